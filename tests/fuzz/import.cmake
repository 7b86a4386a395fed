# The VHDL import: the lexer alone, and the parser with a small stack limit.
zeph_fuzzer(vhdl_lexer_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/vhdl_lexer_fuzz.cpp DEPS zeph_import)
zeph_fuzzer(vhdl_parser_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/vhdl_parser_fuzz.cpp DEPS zeph_import)
