# zped: the definition-file readers, the settings reader, the buffer loader, the error
# parsers of program output, the language specification reader with line colouring, the
# template file reader, and search and replace.
zeph_fuzzer(zped_definitions_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_definitions_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_buffer_load_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_buffer_load_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_settings_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_settings_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_script_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_script_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_tool_output_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_tool_output_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_language_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_language_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_template_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_template_fuzz.cpp DEPS zped_core)
zeph_fuzzer(zped_search_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/zped_search_fuzz.cpp DEPS zped_core)
