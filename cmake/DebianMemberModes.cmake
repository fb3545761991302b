# Run by cpack once it has made the Debian package (CPACK_POST_BUILD_SCRIPTS).
# cpack gives the package's ar members (debian-binary, control.tar.gz,
# data.tar.gz) the modes its own files for them had, which follow the umask;
# each member gets mode 100644 here, as dpkg-deb gives them.  An ar member's
# header is 60 characters: the mode is 8 from character 40, the size 10 from
# character 48; the header ends in "`\n" and its member is padded to an even
# size.
set(ar_mode_field ${CPACK_TOPLEVEL_DIRECTORY}/ar-member-mode)
file(WRITE ${ar_mode_field} "100644  ")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE ${package} package_size)
    set(header 8) # after "!<arch>\n"
    while(header LESS package_size)
        file(READ ${package} fields OFFSET ${header} LIMIT 60)
        string(SUBSTRING "${fields}" 58 2 header_end)
        if(NOT header_end STREQUAL "`\n")
            message(FATAL_ERROR "${package}: no ar member header at ${header}")
        endif()
        string(SUBSTRING "${fields}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        math(EXPR mode_offset "${header} + 40")
        execute_process(
            COMMAND dd of=${package} bs=1 seek=${mode_offset} conv=notrunc status=none
            INPUT_FILE ${ar_mode_field}
            COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header "${header} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
file(REMOVE ${ar_mode_field})
