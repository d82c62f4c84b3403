# Cross-builds Tintora for Windows with MinGW-w64; the tests run under Wine. scripts/windows-test
# uses it for the core, the command-line programs and their tests, and with Qt for Windows
# (scripts/windows-qt) for the window too:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTINTORA_WINDOWS_ARCH=x86_64|i686
#         -DTINTORA_WINDOWS_DEPS=<expat and LittleCMS built for it> [-DTINTORA_WINDOWS_QT=<Qt for it>]
set(CMAKE_SYSTEM_NAME Windows)
# try_compile projects read the toolchain again: pass the choices on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TINTORA_WINDOWS_ARCH TINTORA_WINDOWS_DEPS TINTORA_WINDOWS_QT)
if(NOT TINTORA_WINDOWS_ARCH)
  set(TINTORA_WINDOWS_ARCH x86_64)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${TINTORA_WINDOWS_ARCH})
set(triple ${TINTORA_WINDOWS_ARCH}-w64-mingw32)
# The posix thread model: the standard library's threads and mutexes need it.
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${TINTORA_WINDOWS_DEPS} ${TINTORA_WINDOWS_QT})
if(TINTORA_WINDOWS_QT)
  # Qt for the target, with the build machine's own moc, rcc and uic of the same version.
  list(APPEND CMAKE_PREFIX_PATH ${TINTORA_WINDOWS_QT})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained program each: no MinGW runtime DLLs to find beside it, and zlib linked in
# too (its import library would otherwise be found first, and zlib1.dll is no part of Windows).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)
# Tests run through Wine: a 64-bit program through wine64 itself (Debian's `wine` launcher
# prefers the 32-bit loader whenever it is installed), a 32-bit one through `wine`.
if(TINTORA_WINDOWS_ARCH STREQUAL "x86_64")
  find_program(TINTORA_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTORA_WINE64})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
