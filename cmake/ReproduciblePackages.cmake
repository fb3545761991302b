# Packages that come out the same, bit for bit, from every build of one
# commit, whatever the build folder, umask, locale, time zone and clock.
#
# Archives store a time for every member.  CPack takes it from
# SOURCE_DATE_EPOCH; where the environment does not set it, cpack sets it to
# the date of the packaging changelog's latest entry: the date of the release
# itself, the same one dpkg-buildpackage sets SOURCE_DATE_EPOCH to, and one
# that a source archive without the project's history still has.
find_program(DPKG_PARSECHANGELOG dpkg-parsechangelog REQUIRED)
set(release_changelog ${PROJECT_SOURCE_DIR}/debian/changelog)
execute_process(
    COMMAND ${DPKG_PARSECHANGELOG} --file ${release_changelog} --show-field Timestamp
    OUTPUT_VARIABLE CPACK_PUNT_RELEASE_TIME
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${release_changelog})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackReleaseTime.cmake)

# Folders the packages' installation makes get these modes rather than the
# umask's; installed files get theirs from install() already.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
