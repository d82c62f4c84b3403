# The core's tests and the converter's black box for Windows, built by MinGW-w64 and run through
# the emulator the toolchain names (Wine) in a Wine prefix of the build's own. CTest label:
# windows. GoogleTest comes from Debian's sources, built for the target.
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# The file layer's own tests make POSIX system calls fail on purpose (through its write steps,
# pipes, sockets and permission bits): Windows has its own file layer, not those calls.
# The reading budgets are set on child processes through fork and setrlimit, which Windows has
# not either.
list(REMOVE_ITEM core_test_sources formats/file_io_test.cpp formats/bounds_test.cpp)
list(APPEND core_test_sources formats/file_io_windows_test.cpp)
add_executable(core_tests ${core_test_sources})
target_link_libraries(core_tests PRIVATE tintora_core gtest gtest_main gmock)
target_include_directories(core_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(core_tests PRIVATE TINTORA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
                                              TINTORA_OTHER_PALETTES="${PROJECT_BINARY_DIR}/other-palettes")
set(wine_environment "WINEDEBUG=-all" "WINEPREFIX=${PROJECT_BINARY_DIR}/wine-prefix")
add_test(NAME windows_core_tests COMMAND core_tests)
set_tests_properties(windows_core_tests PROPERTIES LABELS windows TIMEOUT 600 ENVIRONMENT "${wine_environment}")
# The converter, from the outside, as a Windows program: a wrapper the shell test runs.
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/tintora-convert-wine
     CONTENT "#!/bin/sh\nexec ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tintora-convert> \"$@\"\n"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
add_test(NAME windows_convert_black_box
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/convert_test.sh ${CMAKE_CURRENT_BINARY_DIR}/tintora-convert-wine
          ${CMAKE_CURRENT_SOURCE_DIR}/data)
set_tests_properties(windows_convert_black_box PROPERTIES LABELS windows TIMEOUT 600
                     ENVIRONMENT "${wine_environment};TINTORA_TEST_WINDOWS=1")
# The colour tool, from the outside, as a Windows program.
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/tintora-colour-wine
     CONTENT "#!/bin/sh\nexec ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tintora-colour> \"$@\"\n"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
add_test(NAME windows_colour_cli_black_box
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/colour_cli_test.sh ${CMAKE_CURRENT_BINARY_DIR}/tintora-colour-wine)
set_tests_properties(windows_colour_cli_black_box PROPERTIES LABELS windows TIMEOUT 600
                     ENVIRONMENT "${wine_environment};TINTORA_TEST_WINDOWS=1")

# Each program stands alone on a Windows without Wine's extras.
find_program(TINTORA_WINDOWS_OBJDUMP ${TINTORA_WINDOWS_ARCH}-w64-mingw32-objdump REQUIRED)
set(programs $<TARGET_FILE:tintora-convert> $<TARGET_FILE:tintora-colour>)
if(TINTORA_BUILD_UI)
  list(APPEND programs $<TARGET_FILE:tintora>)
endif()
add_test(NAME windows_programs_stand_alone
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/stand_alone_test.sh ${TINTORA_WINDOWS_OBJDUMP} ${programs})
set_tests_properties(windows_programs_stand_alone PROPERTIES LABELS "windows;windows_window")

if(NOT TINTORA_BUILD_UI)
  return()
endif()
# The window, as a Windows program under Wine (label windows_window; make test-windows): its
# own tests, what only Windows has (the hot key through RegisterHotKey, the screen read through
# GDI, the clipboard, where settings live), and the installer, installed, started and removed.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
add_executable(ui_tests ${ui_test_sources})
target_include_directories(ui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/ui)
target_link_libraries(ui_tests PRIVATE tintora_ui Qt6::Test gtest)
set_target_properties(ui_tests PROPERTIES AUTOMOC ON)
# Qt is linked in: the platform these tests run on must be too (the windows one comes by default).
qt_import_plugins(ui_tests INCLUDE Qt6::QOffscreenIntegrationPlugin)
add_custom_command(TARGET ui_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/help $<TARGET_FILE_DIR:ui_tests>/help)
add_test(NAME windows_ui_tests COMMAND ui_tests)
set_tests_properties(windows_ui_tests PROPERTIES LABELS windows_window TIMEOUT 900
                     ENVIRONMENT "${wine_environment};QT_QPA_PLATFORM=offscreen")
add_executable(windows_desktop_tests windows/windows_desktop_test.cpp)
target_include_directories(windows_desktop_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/ui)
target_link_libraries(windows_desktop_tests PRIVATE tintora_ui Qt6::Test gtest)
set_target_properties(windows_desktop_tests PROPERTIES AUTOMOC ON)
add_test(NAME windows_desktop COMMAND windows_desktop_tests)
set_tests_properties(windows_desktop PROPERTIES LABELS windows_window TIMEOUT 300
                     ENVIRONMENT "${wine_environment};QT_QPA_PLATFORM=windows")
add_test(NAME windows_installer
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/installer_test.sh ${PROJECT_BINARY_DIR}/package
          ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(windows_installer PROPERTIES LABELS windows_window TIMEOUT 300 SKIP_RETURN_CODE 77
                     ENVIRONMENT "WINEDEBUG=-all")
