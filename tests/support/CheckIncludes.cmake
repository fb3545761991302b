# Fails, naming each source, where an include climbs out of its folder with
# "../": project headers are included by their path from the source root,
# which the include roots hold to the link arrows, and a climb goes round them.
foreach(folder IN ITEMS app assets bench conversion hosts runtime tests window)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    list(APPEND sources ${found})
endforeach()
foreach(source IN LISTS sources)
    file(STRINGS ${source} climbs REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
    if(climbs)
        list(APPEND offenders "${source}: ${climbs}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" lines)
    message(FATAL_ERROR "includes that climb out of their folder:\n${lines}")
endif()
