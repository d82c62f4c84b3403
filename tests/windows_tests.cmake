# The core's tests and the converter's black box for Windows, built by MinGW-w64 and run through
# the emulator the toolchain names (Wine) in a Wine prefix of the build's own. CTest label:
# windows. GoogleTest comes from Debian's sources, built for the target.
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# The file layer's own tests make POSIX system calls fail on purpose (through its write steps,
# pipes, sockets and permission bits): Windows has its own file layer, not those calls.
# The reading budgets are set on child processes through fork and setrlimit, which Windows has
# not either.
list(REMOVE_ITEM core_test_sources formats/file_io_test.cpp formats/bounds_test.cpp)
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
