zeph_fuzzer(settings_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/settings_fuzz.cpp DEPS zeph_shell)
zeph_fuzzer(command_words_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/command_words_fuzz.cpp DEPS zeph_shell)
# The script reader of the shell (commands and answers together) and both command lines.
zeph_fuzzer(shell_script_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/shell_script_fuzz.cpp DEPS zeph_console)
zeph_fuzzer(command_lines_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/command_lines_fuzz.cpp
    DEPS zeph_shell zped_core)
