# The Windows packages, made by `cpack` in a windows build folder: a ZIP of
# the program and an NSIS installer with a Start-menu entry, an uninstaller
# and an entry under Add or Remove Programs.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_VERBATIM_VARIABLES ON)
unset(CPACK_PACKAGING_INSTALL_PREFIX)
# One name for the install folder, the Start-menu folder (the installer's
# Name), the Add or Remove Programs entry and its registry key: the title
# that the window, its message boxes and the version record already show.
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PUNT_APP_TITLE})
# The licence page shows the project's licence, which also goes next to the
# program, as .txt so that a double click opens it.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

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
# The installer's own version record, like the program's: version 1.00,
# the product's name, the licence's copyright line.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE copyright REGEX "^Copyright" LIMIT_COUNT 1)
set(installer_version_record
    "VIProductVersion ${PUNT_WINDOWS_VERSION_NUMBERS}"
    "VIFileVersion ${PUNT_WINDOWS_VERSION_NUMBERS}"
    "VIAddVersionKey /LANG=0 ProductName \"${PUNT_APP_TITLE}\""
    "VIAddVersionKey /LANG=0 ProductVersion ${PROJECT_VERSION}"
    "VIAddVersionKey /LANG=0 FileVersion ${PROJECT_VERSION}"
    "VIAddVersionKey /LANG=0 FileDescription \"${PUNT_APP_TITLE} ${PROJECT_VERSION} Setup\""
    "VIAddVersionKey /LANG=0 CompanyName \"${PUNT_APP_DEVELOPER}\""
    "VIAddVersionKey /LANG=0 LegalCopyright \"${copyright}\"")
list(JOIN installer_version_record "\n" installer_version_record)
# The installer stores no modification times of the files it carries, and
# the wizard shows the name and version at the foot of every page (CPack's
# own branding text trims, which makensis allows only on Windows).
set(CPACK_NSIS_DEFINES "${nsis_target}\nSetDateSave off\n${remove_empty_vendor_key}\n${installer_version_record}
BrandingText \"${PUNT_APP_TITLE} ${PROJECT_VERSION}\"")
