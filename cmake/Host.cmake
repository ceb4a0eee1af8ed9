# Native build of the portable code: unit tests under AddressSanitizer and UBSan, and libFuzzer
# targets for every parser of outside bytes.
set(ORVA_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(orva_portable STATIC ${ORVA_PORTABLE_SOURCES})
target_include_directories(orva_portable PUBLIC src src/core src/cameras)
target_compile_options(orva_portable PRIVATE ${ORVA_WARNINGS} ${ORVA_SANITIZE})
target_link_options(orva_portable PUBLIC ${ORVA_SANITIZE})
# The fuzzers learn from the coverage of the code they call: without this they see only their
# own few lines and try random bytes blindly.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(orva_portable PRIVATE -fsanitize=fuzzer-no-link)
endif()

add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB ORVA_PORTABLE_TESTS CONFIGURE_DEPENDS tests/portable/*_test.cpp)
add_executable(orva_host_tests ${ORVA_PORTABLE_TESTS})
target_link_libraries(orva_host_tests PRIVATE orva_portable GTest::gtest_main)
target_compile_options(orva_host_tests PRIVATE ${ORVA_WARNINGS} ${ORVA_SANITIZE})
add_test(NAME host_tests COMMAND orva_host_tests)

# libFuzzer needs clang; each target runs for a bounded time from its seed corpus.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(ORVA_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs in the test command")
    file(GLOB ORVA_FUZZERS CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
    foreach(src IN LISTS ORVA_FUZZERS)
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE orva_portable)
        target_compile_options(${name} PRIVATE ${ORVA_WARNINGS} ${ORVA_SANITIZE} -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        set(corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
        # Map pictures are the largest outside input; their decoder gets three times as long.
        set(seconds ${ORVA_FUZZ_SECONDS})
        if(name STREQUAL "pcx_fuzz")
            math(EXPR seconds "${ORVA_FUZZ_SECONDS} * 3")
        endif()
        set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
        file(MAKE_DIRECTORY ${work})
        add_test(NAME ${name}
                 COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                         $<TARGET_FILE:${name}> -max_total_time=${seconds}
                         -print_final_stats=0 ${work} ${corpus})
    endforeach()
endif()
