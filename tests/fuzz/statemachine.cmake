# State diagrams: the reset condition parser, and the editing operations on machines read from
# design files.
zeph_fuzzer(reset_condition_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/reset_condition_fuzz.cpp
    DEPS zeph_statemachine)
zeph_fuzzer(state_machine_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/state_machine_fuzz.cpp
    DEPS zeph_statemachine)
# Whole-design verification with the state machine checks (their hooks come from the shell).
zeph_fuzzer(machine_verify_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/machine_verify_fuzz.cpp
    DEPS zeph_shell)
# HDL text of the machines of designs read from files, verified or not.
zeph_fuzzer(machine_hdl_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/machine_hdl_fuzz.cpp
    DEPS zeph_shell)
