# Windows tests run under Wine (cmake/Wine.cmake), in a prefix that the
# fixture wine_prefix prepares once per run and stops at the end.  Run them on
# a display: scripts/xvfb-session ctest --preset windows-x64.
add_test(NAME wine_prefix_setup COMMAND ${PUNT_WINE_RUN} --setup)
add_test(NAME wine_prefix_stop COMMAND ${PUNT_WINE_RUN} --stop)
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 600)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)

# The Windows build gives the same texts as the Linux build for the same
# inputs: it prints the same digest as the debug preset's textpath_digest.
set(PUNT_LINUX_BUILD_DIR "" CACHE PATH "A Linux build folder whose textpath_digest to compare with")
add_test(NAME textpath_digest_matches_linux
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/compare-digests.sh
            ${PUNT_LINUX_BUILD_DIR}/tests/textpath_digest
            ${PUNT_WINE_RUN} $<TARGET_FILE:textpath_digest>)
