# The Windows installer (`make test-windows` builds it): NSIS, through CPack and Debian's makensis.
# It puts the programs and the manual under Program Files, a Start-menu entry for the window, and
# an uninstaller that Settings and the Control Panel list; "/S" installs or uninstalls silently.
# NSIS rather than an MSI: the program is one self-contained executable (Qt is linked in), so
# the installer has nothing to register but its shortcut and its uninstaller, which NSIS does
# in a few lines; wixl would need every file and component written out by hand.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tintora
        RENAME copyright.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Tintora)
set(CPACK_PACKAGE_VENDOR "The Tintora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for web and graphics designers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tintora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tintora)
set(CPACK_PACKAGE_FILE_NAME tintora-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PACKAGE_EXECUTABLES tintora Tintora)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ${CMAKE_INSTALL_BINDIR})
set(CPACK_NSIS_DISPLAY_NAME Tintora)
set(CPACK_NSIS_PACKAGE_NAME Tintora)  # the Start-menu folder too
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\tintora.exe")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/windows/tintora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/windows/tintora.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "https://tintora.org")
# A 64-bit program gets a 64-bit installer (NSIS's amd64 stubs), into the 64-bit Program Files.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
endif()
# Installing over an older Tintora removes it first (silently too: its question defaults to yes).
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
