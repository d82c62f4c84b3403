# The floor check must catch each kind of crossing in a small tree built to cross them all,
# and name each one; the well-behaved includes of that tree must pass.
execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${FIXTURE} -DCORE=harmony/core.cpp -P ${CHECKER}
                RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree that crosses its floors")
endif()
set(expected
    "core file harmony/core.cpp reaches Qt"
    "colour/named.h is in the core folder colour/ but reaches Qt"
    "mixer/pane.h includes harmony/wheel_pane.h: a room includes only core headers of other rooms"
    "widgets/menu.h includes mixer/pane.h: the widgets floor includes only itself and core"
    "mixer/up.cpp includes app/window.h: nothing below the app floor includes it")
foreach(fault IN LISTS expected)
  string(FIND "${output}" "${fault}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${fault}\n--- the check said:\n${output}")
  endif()
endforeach()
foreach(allowed "harmony/maths.h" "widgets/control.h" "colour/plain.h" "app/window.h includes")
  string(FIND "${output}" "includes ${allowed}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "reported an allowed include: ${allowed}\n${output}")
  endif()
endforeach()
