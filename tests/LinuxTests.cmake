# Tests of the Qt host, the real program and what is installed on Linux.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test Widgets)
set(CMAKE_AUTOMOC ON)

# Watches for message boxes, and finds controls, in the window tests.
add_library(modal_watcher STATIC qt/ModalWatcher.cpp qt/ModalWatcher.h qt/WindowControls.h)
target_link_libraries(modal_watcher PUBLIC qthost Qt6::Widgets Qt6::Test PRIVATE project_warnings)
target_include_directories(modal_watcher PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/qt)

# Qt tests run with a pinned locale and no display.
set(qt_test_environment "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
set(qt_test_libraries qthost window assets runtime modal_watcher Qt6::Test)

punt_add_test(qt/tst_mainwindow
    LIBRARIES ${qt_test_libraries} ENVIRONMENT ${qt_test_environment})
# The same checks on a screen of twice the density.
add_test(NAME tst_mainwindow_scale2 COMMAND tst_mainwindow)
set_tests_properties(tst_mainwindow_scale2 PROPERTIES
    ENVIRONMENT "${qt_test_environment};QT_SCALE_FACTOR=2")
punt_add_test(qt/tst_qthost
    LIBRARIES ${qt_test_libraries} conformance ENVIRONMENT ${qt_test_environment})
target_compile_definitions(tst_qthost PRIVATE PUNT_ICON_SIZES=$<JOIN:${PUNT_ICON_SIZES},$<COMMA>>)
punt_add_test(qt/tst_qtstart
    LIBRARIES ${qt_test_libraries} ENVIRONMENT ${qt_test_environment})

# The real program on a virtual X display, driven by keyboard: as a user
# would use it, and under strace to show that it writes no file.
foreach(script IN ITEMS endtoend writesnothing windowframe)
    add_test(NAME ${script}
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-session
                ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script}.sh $<TARGET_FILE:punt-converter>)
    set_tests_properties(${script} PROPERTIES TIMEOUT 120)
endforeach()

# The same program as a native Wayland client: on each compositor the shared
# end-to-end cases and what its user can do to the window (a row of
# tests/e2e/desktopactions.sh actions, "=obeyed" where the compositor
# imposes the state), and the same under each X11 window manager; on
# weston its look against X11's, and each state weston can impose on the
# window and on the message box.
# They run on the unsanitized build: the sanitized program, several times
# slower, falls behind the keys these scripts time, and leak checks at exit
# report the Wayland libraries' own objects.  The X11 cases above run on both.
if(NOT PUNT_SANITIZE)
    set(wayland_session ${PROJECT_SOURCE_DIR}/scripts/wayland-session)
    set(desktop_actions
        "wayland weston frame edge corner maximise=obeyed fullscreen=obeyed box-return box-rounds"
        "wayland sway edge corner tile=obeyed fullscreen=obeyed box-place box-focus box-return box-rounds"
        "wayland kwin edge corner maximise tile fullscreen=obeyed box-place box-drag box-return box-rounds"
        "wayland mutter frame edge corner maximise tile fullscreen box-place box-drag box-return box-rounds close-button"
        # On X11 the drags come last: a window manager may move the window by them.
        "x11 xfwm4 box-place box-return box-rounds maximise wmctrl fullscreen edge corner"
        "x11 kwin box-place box-return box-rounds maximise wmctrl fullscreen=obeyed edge corner"
        "x11 mutter box-place box-return box-rounds maximise wmctrl tile fullscreen edge corner"
        "x11 i3 box-place box-return box-rounds wmctrl tile=obeyed fullscreen=obeyed edge corner"
        "x11 openbox box-place box-edge box-return box-rounds maximise wmctrl fullscreen edge corner")
    set(wayland_tests)
    foreach(row IN LISTS desktop_actions)
        separate_arguments(row)
        list(POP_FRONT row session compositor)
        if(session STREQUAL "x11")
            add_test(NAME x11_desktop_${compositor}
                COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-session --wm=${compositor}
                        ${CMAKE_CURRENT_SOURCE_DIR}/e2e/desktopactions.sh
                        $<TARGET_FILE:punt-converter> ${row})
            list(APPEND wayland_tests x11_desktop_${compositor})
            continue()
        endif()
        add_test(NAME wayland_endtoend_${compositor}
            COMMAND ${wayland_session} --compositor=${compositor}
                    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/endtoend.sh $<TARGET_FILE:punt-converter>)
        add_test(NAME wayland_desktop_${compositor}
            COMMAND ${wayland_session} --compositor=${compositor}
                    ${CMAKE_CURRENT_SOURCE_DIR}/e2e/desktopactions.sh
                    $<TARGET_FILE:punt-converter> ${row})
        list(APPEND wayland_tests wayland_endtoend_${compositor} wayland_desktop_${compositor})
    endforeach()
    add_test(NAME wayland_look
        COMMAND ${wayland_session} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/waylandlook.sh
                $<TARGET_FILE:punt-converter>)
    list(APPEND wayland_tests wayland_look)
    foreach(target IN ITEMS window box)
        foreach(state IN ITEMS maximise fullscreen)
            add_test(NAME wayland_${state}_${target}
                COMMAND ${wayland_session} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/imposedstate.sh
                        $<TARGET_FILE:punt-converter> ${target} ${state})
            list(APPEND wayland_tests wayland_${state}_${target})
        endforeach()
    endforeach()
    set_tests_properties(${wayland_tests} PROPERTIES TIMEOUT 240)
endif()

# The real program through the accessibility bus, as a screen reader uses it,
# on a private session bus.
add_test(NAME accessibility
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-session dbus-run-session --
            ${CMAKE_CURRENT_SOURCE_DIR}/e2e/accessibility.py $<TARGET_FILE:punt-converter>)
set_tests_properties(accessibility PROPERTIES TIMEOUT 120)

# What the Orca screen reader says at each step of a session with the program.
add_test(NAME screenreader_orca
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-session dbus-run-session --
            ${CMAKE_CURRENT_SOURCE_DIR}/e2e/screenreader.py $<TARGET_FILE:punt-converter>)
set_tests_properties(screenreader_orca PROPERTIES TIMEOUT 300)

# The desktop entry and the metainfo pass their validators.
add_test(NAME desktop_entry_valid
    COMMAND desktop-file-validate ${PROJECT_BINARY_DIR}/assets/${PUNT_APP_ID}.desktop)
# AppStream 1.0 fails a component for having no home page, and this
# program has none; every other finding still fails.
execute_process(COMMAND appstreamcli --version OUTPUT_VARIABLE appstream_version ERROR_QUIET)
set(no_home_page "")
if(appstream_version MATCHES "([0-9]+)\\.[0-9]" AND CMAKE_MATCH_1 GREATER_EQUAL 1)
    set(no_home_page --override=url-homepage-missing=info)
endif()
add_test(NAME metainfo_valid
    COMMAND appstreamcli validate --no-net ${no_home_page}
            ${PROJECT_BINARY_DIR}/assets/${PUNT_APP_ID}.metainfo.xml)

# The committed picture is exactly what its generator renders.
add_test(NAME background_reproducible
    COMMAND ${CMAKE_COMMAND}
            -D GENERATOR=$<TARGET_FILE:make_background>
            -D COMMITTED=${PROJECT_SOURCE_DIR}/assets/background.bmp
            -D RENDERED=${CMAKE_CURRENT_BINARY_DIR}/background.bmp
            -P ${CMAKE_CURRENT_SOURCE_DIR}/support/CompareBackground.cmake)

# The committed character table is what this machine's Unicode data gives.
add_test(NAME unicode_table_current
    COMMAND ${CMAKE_COMMAND}
            -D UCD_DIR=/usr/share/unicode
            -D SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -D COMMITTED=${PROJECT_SOURCE_DIR}/runtime/UnicodeClasses.h
            -D REGENERATED=${CMAKE_CURRENT_BINARY_DIR}/UnicodeClasses.h
            -P ${CMAKE_CURRENT_SOURCE_DIR}/support/CompareUnicodeClasses.cmake)

# What a user installs: the install tree and the Debian package, which
# Debian's tools build from the source alone (so once, not for the sanitized
# build).
add_test(NAME installation_install
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-installation.sh
            install ${PROJECT_BINARY_DIR} ${PUNT_APP_ID} ${PUNT_APP_EXECUTABLE} ${PUNT_ICON_SIZES})
if(NOT PUNT_SANITIZE)
    set(debian_packages ${CMAKE_CURRENT_BINARY_DIR}/debian-packages)
    add_test(NAME package_deb_build
        COMMAND sh -c "rm -rf \"$0\" && \"$1\" \"$0\"" ${debian_packages}
                ${PROJECT_SOURCE_DIR}/scripts/build-deb)
    add_test(NAME installation_deb
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check-installation.sh
                deb ${debian_packages} ${PUNT_APP_ID} ${PUNT_APP_EXECUTABLE} ${PUNT_ICON_SIZES})
    add_test(NAME package_lintian
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/lintian.sh ${debian_packages})
    set_tests_properties(package_deb_build PROPERTIES FIXTURES_SETUP debian_package TIMEOUT 900)
    set_tests_properties(installation_deb package_lintian PROPERTIES FIXTURES_REQUIRED debian_package)
endif()
