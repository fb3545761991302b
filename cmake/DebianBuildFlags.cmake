# Debian's hardening flags, as dpkg-buildflags gives them to a package build
# with every hardening feature on (immediate binding is not on by default).
# Every build links with them; the compile flags go to optimised builds only,
# because _FORTIFY_SOURCE needs optimisation and warns without it.
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(punt_read_buildflags variable flags)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${flags}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(value UNIX_COMMAND "${value}")
    set(${variable} ${value} PARENT_SCOPE)
endfunction()

punt_read_buildflags(debian_cppflags CPPFLAGS)
punt_read_buildflags(debian_cxxflags CXXFLAGS)
punt_read_buildflags(debian_ldflags LDFLAGS)
# The build type chooses the optimisation and the debug information.
list(FILTER debian_cxxflags EXCLUDE REGEX "^-(O.*|g)$")

add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${debian_cppflags};${debian_cxxflags}>")
add_link_options(${debian_ldflags})
