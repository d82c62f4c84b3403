# Registers a GoogleTest program with CTest one test suite at a time: each suite runs in a
# process of its own (a crash names its suite, and suites run in parallel), without paying a
# process and a window for every single test. The suites are listed when ctest runs, from
# the program as built.
#
#   tintora_gtest_suites(<target> [ENVIRONMENT var=value...] [LABELS label...])
function(tintora_gtest_suites target)
  cmake_parse_arguments(arg "" "" "ENVIRONMENT;LABELS" ${ARGN})
  set(include "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
  file(GENERATE OUTPUT "${include}" CONTENT
"set(suites_program [==[$<TARGET_FILE:${target}>]==])
set(suites_prefix [==[${target}]==])
set(suites_environment [==[${arg_ENVIRONMENT}]==])
set(suites_labels [==[${arg_LABELS}]==])
include([==[${PROJECT_SOURCE_DIR}/cmake/gtest_suites_list.cmake]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include}")
endfunction()
