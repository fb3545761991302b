# Renders the background picture again and compares it byte for byte with
# the committed one.
execute_process(COMMAND ${GENERATOR} ${RENDERED} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${RENDERED} ${COMMITTED}
                RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "assets/background.bmp differs from what the generator renders")
endif()
