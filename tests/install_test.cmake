# The desktop install: everything lands where desktops look for it, and the desktop entry and
# the AppStream data pass their validators.
#   cmake -DBUILD=<build folder> -DPREFIX=<scratch prefix> -P install_test.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
    bin/tintora
    bin/tintora-convert
    bin/tintora-colour
    share/tintora/help/index.html
    share/tintora/help/advanced.png
    share/applications/org.tintora.Tintora.desktop
    share/metainfo/org.tintora.Tintora.metainfo.xml
    share/icons/hicolor/scalable/apps/org.tintora.Tintora.svg
    share/icons/hicolor/48x48/apps/org.tintora.Tintora.png
    share/icons/hicolor/256x256/apps/org.tintora.Tintora.png)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The installed colour tool finds the installed program beside it for its screen pick (which,
# with no display, says that there is no picker rather than that there is no program).
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen
                        "${PREFIX}/bin/tintora-colour" --pick
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE said)
if(NOT result EQUAL 1 OR NOT said MATCHES "no colour picker")
  message(FATAL_ERROR "installed tintora-colour --pick: exit ${result}, said: ${said}")
endif()
foreach(check "desktop-file-validate;${PREFIX}/share/applications/org.tintora.Tintora.desktop"
              "appstreamcli;validate;--no-net;${PREFIX}/share/metainfo/org.tintora.Tintora.metainfo.xml")
  execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${check} failed:\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
