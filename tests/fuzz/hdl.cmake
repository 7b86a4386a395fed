zeph_fuzzer(normalise_integer_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/normalise_integer_fuzz.cpp
    DEPS zeph_hdl_rules)
