# Common settings of the project's own targets: warnings are errors in our code.
set(ZEPH_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Wunused -Woverloaded-virtual -Wformat=2 -Wno-format-nonliteral -Werror)
# GCC 12 at -O3 reports overlapping copies inside std::string assignments that cannot overlap
# (GCC bug 105651); the diagnostic stays on for other compilers and versions.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND ZEPH_WARNINGS -Wno-restrict)
endif()

function(zeph_warnings target)
    target_compile_options(${target} PRIVATE ${ZEPH_WARNINGS})
endfunction()

# zeph_library(name SOURCES... DEPS...)
function(zeph_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    zeph_warnings(${name})
endfunction()

# zeph_test(name SOURCES... DEPS...): one GoogleTest program registered with CTest.
function(zeph_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        ZEPH_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ZEPH_BINARY_DIR="${PROJECT_BINARY_DIR}")
    zeph_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endfunction()

# zeph_fuzzer(name SOURCE DEPS...): libFuzzer harness, built only in the fuzz build.
function(zeph_fuzzer name)
    cmake_parse_arguments(ARG "" "SOURCE" "DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCE})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    zeph_warnings(${name})
    # One target builds every harness and only what they need (not the programs).
    if(NOT TARGET zeph_fuzzers)
        add_custom_target(zeph_fuzzers)
    endif()
    add_dependencies(zeph_fuzzers ${name})
endfunction()

# zeph_benchmark(name SOURCES... DEPS...)
function(zeph_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
    zeph_warnings(${name})
endfunction()
