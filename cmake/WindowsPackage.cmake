# The Windows packages, made by `cpack` in a windows build folder: a ZIP of
# the program and an NSIS installer with a Start-menu entry, an uninstaller
# and an entry under Add or Remove Programs.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_VERBATIM_VARIABLES ON)
unset(CPACK_PACKAGING_INSTALL_PREFIX)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Punt Converter")
set(CPACK_PACKAGE_EXECUTABLES ${PUNT_APP_EXECUTABLE} ${PUNT_APP_TITLE})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME ${PUNT_APP_TITLE})
set(CPACK_NSIS_PACKAGE_NAME ${PUNT_APP_TITLE})
set(CPACK_NSIS_INSTALLED_ICON_NAME ${PUNT_APP_EXECUTABLE}.exe)
set(CPACK_NSIS_MUI_ICON ${PUNT_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${PUNT_WINDOWS_ICON})
include(${CMAKE_CURRENT_LIST_DIR}/ReproduciblePackages.cmake)
# The program is linked stripped already; stripping the packaged copy again
# would give it a new time stamp.
set(CPACK_STRIP_FILES OFF)
# After the uninstaller has removed the program's own registry key, it
# removes the vendor's key above it too when nothing else is left there.
set(remove_empty_vendor_key
    "Function un.onUninstSuccess"
    "  DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\""
    "FunctionEnd")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # A 64-bit installer, so that it installs into the 64-bit program folder
    # and registry view.
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(nsis_target "Target amd64-unicode")
else()
    set(nsis_target "Unicode true")
endif()
list(JOIN remove_empty_vendor_key "\n" remove_empty_vendor_key)
# The installer stores no modification times of the files it carries.
set(CPACK_NSIS_DEFINES "${nsis_target}\nSetDateSave off\n${remove_empty_vendor_key}")
