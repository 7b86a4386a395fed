# Readers of the design database: the design file (with the library-entity fetch, which reads
# the same records), the configuration file and the macro file.
zeph_fuzzer(design_file_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/design_file_fuzz.cpp DEPS zeph_design)
zeph_fuzzer(config_file_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/config_file_fuzz.cpp DEPS zeph_design)
zeph_fuzzer(macro_file_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/macro_file_fuzz.cpp DEPS zeph_design)
# Project names: lock file lines, untitled names, HDL file names, absolute paths, titles.
zeph_fuzzer(project_names_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/project_names_fuzz.cpp DEPS zeph_design)
# Copies of entities as Edit Instance makes them, for designs read from files.
zeph_fuzzer(entity_copy_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/entity_copy_fuzz.cpp DEPS zeph_design)
