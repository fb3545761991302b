# Tests of the Win32 host, the Windows program and its packages.  They run
# under Wine through PUNT_WINE_RUN, on an X display.
punt_add_test(win32/tst_win32host
    LIBRARIES win32host win32resources window conformance doctest_main oleaut32)

# The real program driven by keyboard, the same cases as on Linux; the
# proof that it writes nothing; what it announces; its packages installed
# and removed.
add_test(NAME endtoend
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/endtoend.sh
            ${PUNT_WINE_RUN} $<TARGET_FILE:punt-converter>)
add_test(NAME writesnothing
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/writesnothing-wine.sh
            ${PUNT_WINE_RUN} $<TARGET_FILE:punt-converter>)
add_test(NAME announcement
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/announcement-wine.sh
            ${PUNT_WINE_RUN} $<TARGET_FILE:punt-converter>)
add_test(NAME windows_packages
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-windows-installer.sh
            ${PROJECT_BINARY_DIR} ${CMAKE_RC_COMPILER} ${PUNT_WINE_RUN})
set_tests_properties(endtoend writesnothing announcement windows_packages PROPERTIES TIMEOUT 120)
# They share one display and one prefix: one at a time, under ctest -j too.
set_tests_properties(tst_win32host endtoend writesnothing announcement windows_packages
    PROPERTIES RESOURCE_LOCK wine_display)

# The program's file itself: imports, version record, manifest.
add_test(NAME windows_binary
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-windows-binary.sh
            ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER} $<TARGET_FILE:punt-converter>)
