# The floors of src/, checked on every build. Which floor a file is on is its folder:
#   core/      standard C++ only: never a Qt header, never a file outside core/; and inside it,
#              each folder only those before it in this order (or itself):
#              colour, io, list, formats, mixer, harmony, capture, settings, colourizer, webpage
#              (the colour values, the file and text layer, the list, the palette formats, then
#              the rooms' own arithmetic)
#   widgets/   the shared floor: itself and core/
#   a room     (mixer/, harmony/, formats/, ...): itself, widgets/ and core/, never another room
#   convert/   the command-line programs: itself and core/
#   app/       the top floor: anything
#
#   cmake -DSRC=<folder> -P check_floors.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SRC)
  message(FATAL_ERROR "SRC is not set")
endif()

set(core_order colour io list formats mixer harmony capture settings colourizer webpage design)
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(faults "")
foreach(f IN LISTS files)
  string(REGEX REPLACE "/.*" "" from "${f}")
  file(STRINGS "${SRC}/${f}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "include[ \t]*<(Q[^>]*)>")
      if(from STREQUAL "core" OR from STREQUAL "convert")
        list(APPEND faults "${f} includes <${CMAKE_MATCH_1}>: ${from}/ never includes Qt")
      endif()
      continue()
    endif()
    # Only our own files: a generated or system header is nobody's floor.
    if(NOT line MATCHES "include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(i "${CMAKE_MATCH_1}")
    if(NOT EXISTS "${SRC}/${i}")
      continue()
    endif()
    string(REGEX REPLACE "/.*" "" to "${i}")
    # Inside core/: a folder reaches only those below it.
    if(from STREQUAL "core" AND to STREQUAL "core")
      string(REGEX REPLACE "^core/([^/]*)/.*" "\\1" from_part "${f}")
      string(REGEX REPLACE "^core/([^/]*)/.*" "\\1" to_part "${i}")
      list(FIND core_order "${from_part}" from_rank)
      list(FIND core_order "${to_part}" to_rank)
      if(from_rank EQUAL -1 OR to_rank EQUAL -1)
        list(APPEND faults "${f} includes ${i}: core/${from_part}/ or core/${to_part}/ has no place in core's order")
      elseif(to_rank GREATER from_rank)
        list(APPEND faults "${f} includes ${i}: core/${from_part}/ comes before core/${to_part}/ and never includes it")
      endif()
      continue()
    endif()
    if(from STREQUAL "app" OR to STREQUAL from OR to STREQUAL "core")
      continue()
    endif()
    if(from STREQUAL "core")
      list(APPEND faults "${f} includes ${i}: core/ includes only core/")
    elseif(from STREQUAL "convert")
      list(APPEND faults "${f} includes ${i}: convert/ includes only itself and core/")
    elseif(to STREQUAL "app")
      list(APPEND faults "${f} includes ${i}: nothing below the app floor includes it")
    elseif(from STREQUAL "widgets")
      list(APPEND faults "${f} includes ${i}: the widgets floor includes only itself and core/")
    elseif(NOT to STREQUAL "widgets")
      list(APPEND faults "${f} includes ${i}: a room includes only itself, widgets/ and core/")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The floors of ${SRC} are crossed:\n  ${text}")
endif()
