# Test programs: cross-built with GoogleTest, each run by CTest under Wine in this build's own
# prefix (see scripts/wine-env.sh, which the test command uses to prepare and start it).
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Each test program runs in a prefix of its own, copied from this prepared one (scripts/wine-test.sh),
# so that CTest runs them side by side; the fixture prepares it once.
set(ORVA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
add_test(NAME wine_prefix COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh ${ORVA_WINE_PREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)

# The long test programs run as shards of similar length (GoogleTest's own sharding: test k of
# the program in shard k modulo the count), each a CTest entry. Long entries start first (COST),
# so that the short ones fill in beside them.
set(ORVA_SHARDS e2e_test=4 hostile_test=2 sweep_test=5)
set(ORVA_LONG_TESTS cameras_test sitecheck_test)

file(GLOB ORVA_HARNESS_SOURCES CONFIGURE_DEPENDS tests/harness/*.cpp)
add_library(orva_harness STATIC ${ORVA_HARNESS_SOURCES})
target_include_directories(orva_harness PUBLIC tests/harness)
target_compile_options(orva_harness PRIVATE ${ORVA_WARNINGS})
target_link_libraries(orva_harness PUBLIC orva_lib GTest::gtest comctl32)
# Tests read the sample site's files (through Wine's Z: drive).
target_compile_definitions(orva_harness PUBLIC ORVA_SAMPLE_DIR="Z:${CMAKE_SOURCE_DIR}/sample/")

# One test program per area: tests/<area>_test.cpp, plus the portable tests in their own program.
function(orva_test name)
    add_executable(${name} ${ARGN} $<TARGET_OBJECTS:orva_resources>)
    target_compile_options(${name} PRIVATE ${ORVA_WARNINGS})
    target_link_libraries(${name} PRIVATE orva_harness)
    target_link_options(${name} PRIVATE ${ORVA_LINK_STATIC})
    set(shards 1)
    foreach(entry IN LISTS ORVA_SHARDS)
        if(entry MATCHES "^${name}=([0-9]+)$")
            set(shards ${CMAKE_MATCH_1})
        endif()
    endforeach()
    if(shards EQUAL 1)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED wine)
        if(name IN_LIST ORVA_LONG_TESTS)
            set_tests_properties(${name} PROPERTIES COST 10)
        endif()
        return()
    endif()
    math(EXPR last "${shards} - 1")
    foreach(shard RANGE ${last})
        add_test(NAME ${name}_${shard} COMMAND ${name})
        set_tests_properties(${name}_${shard} PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED wine COST 20
                             ENVIRONMENT "GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${shard}")
    endforeach()
endfunction()

file(GLOB ORVA_PORTABLE_TESTS CONFIGURE_DEPENDS tests/portable/*_test.cpp)
orva_test(portable_tests ${ORVA_PORTABLE_TESTS})

file(GLOB ORVA_AREA_TESTS CONFIGURE_DEPENDS tests/*_test.cpp)
foreach(src IN LISTS ORVA_AREA_TESTS)
    get_filename_component(name ${src} NAME_WE)
    orva_test(${name} ${src})
endforeach()
# The keyboard test names dialog templates as resource.h does.
target_compile_definitions(keyboard_test PRIVATE ORVA_RESOURCE_H="Z:${CMAKE_SOURCE_DIR}/src/resources/resource.h")

# End-to-end tests start the real program; they find it next to themselves.
if(TARGET e2e_test)
    add_dependencies(e2e_test orva_config)
endif()

# The zip holds what a technician needs, and the program in it runs on the sample in it.
add_test(NAME package COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/check-package.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:e2e_test>)
set_tests_properties(package PROPERTIES FIXTURES_REQUIRED wine)

# The guide and the site report pass axe-core's WCAG 2 A, AA and best-practice rules in headless
# Chromium; skipped where Chromium or Node.js is not installed (the run command installs them).
add_test(NAME a11y COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/a11y-test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(a11y PROPERTIES FIXTURES_REQUIRED wine SKIP_RETURN_CODE 77)

# The program ships as one file: it may import nothing but Windows' own DLLs.
add_test(NAME imports_only_windows
         COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_FILE:orva_config>)
set_tests_properties(imports_only_windows PROPERTIES ENVIRONMENT OBJDUMP=${ORVA_TRIPLE}-objdump)

# The camera sheet benchmark drives the real sheet with the harness's steps.
add_executable(bench_sheet tools/bench_sheet.cpp $<TARGET_OBJECTS:orva_resources>)
target_compile_options(bench_sheet PRIVATE ${ORVA_WARNINGS})
target_link_libraries(bench_sheet PRIVATE orva_harness)
target_link_options(bench_sheet PRIVATE ${ORVA_LINK_STATIC})

# Includes run one way: app -> dialog folders -> core.
add_test(NAME includes_one_way COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/check-layering.sh)

# Tests stay at most half the size of the program they test.
add_test(NAME test_budget COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/test-budget.sh)
