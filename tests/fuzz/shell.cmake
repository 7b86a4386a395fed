zeph_fuzzer(settings_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/settings_fuzz.cpp DEPS zeph_shell)
zeph_fuzzer(command_words_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/command_words_fuzz.cpp DEPS zeph_shell)
