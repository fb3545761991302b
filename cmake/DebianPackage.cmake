# The Debian package: cpack -G DEB in the build folder.  The documents it
# needs (copyright, changelog, manual page) are installed by packaging/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window names its fonts; these packages make them resolve.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
# Qt's Wayland platform, so that a Wayland desktop runs the program natively
# rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(${CMAKE_CURRENT_LIST_DIR}/ReproduciblePackages.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianMemberModes.cmake)
