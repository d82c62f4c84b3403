# Cross-builds the core, the command-line programs and their tests for Windows with MinGW-w64;
# the tests run under Wine. scripts/windows-test uses it:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTINTORA_WINDOWS_ARCH=x86_64|i686
#         -DTINTORA_WINDOWS_DEPS=<expat and libzip built for it>
set(CMAKE_SYSTEM_NAME Windows)
# try_compile projects read the toolchain again: pass the choices on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TINTORA_WINDOWS_ARCH TINTORA_WINDOWS_DEPS)
if(NOT TINTORA_WINDOWS_ARCH)
  set(TINTORA_WINDOWS_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${TINTORA_WINDOWS_ARCH})
set(triple ${TINTORA_WINDOWS_ARCH}-w64-mingw32)
# The posix thread model: the standard library's threads and mutexes need it.
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${TINTORA_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained program each: no MinGW runtime DLLs to find beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Tests run through Wine: a 64-bit program through wine64 itself (Debian's `wine` launcher
# prefers the 32-bit loader whenever it is installed), a 32-bit one through `wine`.
if(TINTORA_WINDOWS_ARCH STREQUAL "x86_64")
  find_program(TINTORA_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTORA_WINE64})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
