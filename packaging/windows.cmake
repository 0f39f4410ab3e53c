# SPDX-License-Identifier: MIT
# The game as Windows users get it: the executable with the Qt and MinGW DLLs
# and the Qt plugins it loads, in one folder that runs from wherever it lies
# (Qt looks for its plugins beside the executable), in a 64-bit NSIS installer
# with a Start-menu entry and an uninstaller, and in a ZIP.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
install(FILES ${ZAPGRID_MINGW_RUNTIME} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# A stripped install strips the DLLs too; their debug information is most of
# their size.
install(CODE "set(strip \"${CMAKE_STRIP}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
        foreach(dll IN LISTS dlls)
            execute_process(COMMAND ${strip} --strip-unneeded ${dll} COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zapgrid)
set(CPACK_PACKAGE_EXECUTABLES zapgrid Zapgrid)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME Zapgrid)
set(CPACK_NSIS_DISPLAY_NAME Zapgrid)
# CPack's template makes a 32-bit installer; a 64-bit game wants a 64-bit one,
# which installs into the 64-bit Program Files and registry.
# The installer records no dates of its files, so it is the same however
# recently they were built; installed, they take the time of the install.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME zapgrid.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/zapgrid.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/zapgrid.ico)
