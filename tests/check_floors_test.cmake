# The floor check must catch each kind of crossing in a small tree built to cross them all,
# and name each one; the well-behaved includes of that tree must pass.
execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${FIXTURE} -P ${CHECKER}
                RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree that crosses its floors")
endif()
set(expected
    "core/colour/named.h includes <QString>: core/ never includes Qt"
    "core/harmony/maths.h includes harmony/wheel_pane.h: core/ includes only core/"
    "mixer/pane.h includes harmony/wheel_pane.h: a room includes only itself, widgets/ and core/"
    "widgets/menu.h includes mixer/pane.h: the widgets floor includes only itself and core/"
    "mixer/up.cpp includes app/window.h: nothing below the app floor includes it"
    "convert/tool.cpp includes <QCoreApplication>: convert/ never includes Qt"
    "convert/tool.cpp includes widgets/control.h: convert/ includes only itself and core/"
    "core/io/files.h includes core/list/entries.h: core/io/ comes before core/list/ and never includes it")
foreach(fault IN LISTS expected)
  string(FIND "${output}" "${fault}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not reported: ${fault}\n--- the check said:\n${output}")
  endif()
endforeach()
foreach(allowed "mixer/pane.h includes core/" "mixer/pane.h includes widgets/"
                "widgets/control.h includes" "core/harmony/maths.h includes core/"
                "app/window.h includes" "convert/tool.cpp includes core/" "core/list/entries.h includes")
  string(FIND "${output}" "${allowed}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "reported an allowed include: ${allowed}\n${output}")
  endif()
endforeach()
