zeph_fuzzer(normalise_integer_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/normalise_integer_fuzz.cpp
    DEPS zeph_hdl_rules)
zeph_fuzzer(package_list_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/package_list_fuzz.cpp
    DEPS zeph_hdl_rules)
zeph_fuzzer(hdl_file_scan_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/hdl_file_scan_fuzz.cpp
    DEPS zeph_hdl)
zeph_fuzzer(testbench_file_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/testbench_file_fuzz.cpp
    DEPS zeph_hdl)
