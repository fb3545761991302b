# Makes the character table again from the machine's Unicode Character
# Database and compares its ranges with the committed table's; a newer
# Unicode version that changes no range passes.
if(NOT EXISTS ${UCD_DIR}/UnicodeData.txt)
    message(FATAL_ERROR "no Unicode Character Database in ${UCD_DIR}: install unicode-data")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -DUCD_DIR=${UCD_DIR} -DOUTPUT=${REGENERATED}
            -P ${SOURCE_DIR}/runtime/GenerateUnicodeClasses.cmake
    COMMAND_ERROR_IS_FATAL ANY)
foreach(table IN ITEMS committed regenerated)
    string(TOUPPER ${table} file)
    file(STRINGS ${${file}} ${table} REGEX "^    {")
endforeach()
if(NOT committed STREQUAL regenerated)
    file(STRINGS ${REGENERATED} version LIMIT_COUNT 1 REGEX "^// Unicode ")
    string(REGEX REPLACE "^// (Unicode [^:]+):.*" "\\1" version "${version}")
    message(FATAL_ERROR "runtime/UnicodeClasses.h has other ranges than ${UCD_DIR} gives "
        "(${version}); to take them, run from the project's root:\n"
        "  cmake -DUCD_DIR=${UCD_DIR} -DOUTPUT=runtime/UnicodeClasses.h "
        "-P runtime/GenerateUnicodeClasses.cmake")
endif()
