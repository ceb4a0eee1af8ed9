# The Windows program, built with MinGW-w64; in the win64 preset its tests run under Wine.
enable_language(RC)
option(ORVA_RUN_TESTS "Build the test programs and register them with CTest (run under Wine)" ON)

set(ORVA_LINK_STATIC -static -static-libgcc -static-libstdc++)
set(ORVA_SYSTEM_LIBS gdi32 user32 kernel32)

file(GLOB_RECURSE ORVA_SOURCES CONFIGURE_DEPENDS src/*.cpp)
list(REMOVE_ITEM ORVA_SOURCES ${CMAKE_SOURCE_DIR}/src/app/winmain.cpp)

# Everything but WinMain, shared by the program and every test program.
add_library(orva_lib STATIC ${ORVA_SOURCES})
target_include_directories(orva_lib PUBLIC src src/core src/resources)
target_compile_definitions(orva_lib PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_options(orva_lib PRIVATE ${ORVA_WARNINGS})
target_link_libraries(orva_lib PUBLIC ${ORVA_SYSTEM_LIBS})

# The resources (menu, dialogs, icons, manifest) go into the program and every test program, so
# tests drive the real templates with the same common controls.
file(GLOB ORVA_RC_PARTS CONFIGURE_DEPENDS src/resources/*.rc src/resources/*.h
     src/resources/*.ico src/resources/*.manifest)
add_library(orva_resources OBJECT src/resources/orva_config.rc)
set_source_files_properties(src/resources/orva_config.rc PROPERTIES OBJECT_DEPENDS "${ORVA_RC_PARTS}")
target_include_directories(orva_resources PRIVATE src/resources)

add_executable(orva_config WIN32 src/app/winmain.cpp $<TARGET_OBJECTS:orva_resources>)
target_compile_options(orva_config PRIVATE ${ORVA_WARNINGS})
target_link_libraries(orva_config PRIVATE orva_lib)
target_link_options(orva_config PRIVATE ${ORVA_LINK_STATIC})

# The floor of start-up time: a bare window program built the same way.
add_executable(minimal_window WIN32 tools/minimal_window.cpp $<TARGET_OBJECTS:orva_resources>)
target_compile_options(minimal_window PRIVATE ${ORVA_WARNINGS})
target_link_libraries(minimal_window PRIVATE user32 gdi32)
target_link_options(minimal_window PRIVATE ${ORVA_LINK_STATIC})

# The floor of dialog timing: a bare window program built the same way that opens empty copies of
# the configurator's dialogs and sheets on the same commands.
add_executable(floor_dialogs WIN32 tools/floor_dialogs.cpp $<TARGET_OBJECTS:orva_resources>)
target_compile_options(floor_dialogs PRIVATE ${ORVA_WARNINGS})
target_link_libraries(floor_dialogs PRIVATE user32 gdi32)
target_link_options(floor_dialogs PRIVATE ${ORVA_LINK_STATIC})

# Tools that drive the program from outside: start-up and dialog timing, the picture tour.
foreach(tool bench_startup bench_dialogs tour_poke)
    add_executable(${tool} tools/${tool}.cpp)
    target_compile_options(${tool} PRIVATE ${ORVA_WARNINGS})
    target_link_libraries(${tool} PRIVATE user32 gdi32)
    target_link_options(${tool} PRIVATE ${ORVA_LINK_STATIC})
endforeach()
target_include_directories(bench_dialogs PRIVATE src/resources)

# The technician's guide lies beside the program (docs\guide\index.html), where Help and F1 look for
# it: in the zip, and in the build folder, where the program and the test programs run.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/docs)
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/docs/guide ${CMAKE_BINARY_DIR}/docs/guide SYMBOLIC)

install(TARGETS orva_config RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
install(DIRECTORY docs/guide/ DESTINATION docs/guide)
install(DIRECTORY sample/ DESTINATION sample PATTERN "*.sh" EXCLUDE)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME orva_config-${PROJECT_VERSION}-${CMAKE_SYSTEM_PROCESSOR})
include(CPack)

if(ORVA_RUN_TESTS)
    include(cmake/WineTests.cmake)
endif()
