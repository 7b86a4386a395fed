zeph_fuzzer(cwlist_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/cwlist_fuzz.cpp DEPS zeph_foundation)
