# Writes the character classes that the message code needs as sorted tables
# of code-point ranges, from the Unicode Character Database:
#   cmake -DUCD_DIR=/usr/share/unicode -DOUTPUT=<header> -P GenerateUnicodeClasses.cmake
# Combining marks: general categories Mn, Mc and Me.  Hidden characters,
# written out as code points: controls, format characters and surrogates
# (Cc, Cf, Cs), line and paragraph separators (Zl, Zp), every blank but the
# space (Zs), noncharacters, and the default-ignorable code points that are
# not marks.  Runs with the build machine's cmake, for every target platform.

# Adds one range to the list named by out, as "<first>:<last>" in decimal;
# write_table sorts and merges them.
function(add_range out first last)
    set(${out} ${${out}} "${first}:${last}" PARENT_SCOPE)
endfunction()

set(combining "")
set(hidden "")

# UnicodeData.txt: one code point a line, or a First/Last pair for a range.
file(STRINGS ${UCD_DIR}/UnicodeData.txt lines REGEX "^[0-9A-F]+;[^;]*;(M[nce]|C[cfs]|Z[slp]);")
foreach(line IN LISTS lines)
    string(REGEX MATCH "^([0-9A-F]+);([^;]*);(..);" _ "${line}")
    math(EXPR codePoint "0x${CMAKE_MATCH_1}")
    set(name "${CMAKE_MATCH_2}")
    set(category "${CMAKE_MATCH_3}")
    if(name MATCHES ", First>$")
        set(rangeFirst ${codePoint})
        continue()
    endif()
    set(first ${codePoint})
    if(name MATCHES ", Last>$")
        set(first ${rangeFirst})
    endif()
    if(category MATCHES "^M")
        add_range(combining ${first} ${codePoint})
    elseif(NOT codePoint EQUAL 32)
        add_range(hidden ${first} ${codePoint})
    endif()
endforeach()

# Property files: "<first>[..<last>] ; <property> # <category> ...".
function(add_property out file property)
    set(ranges ${${out}})
    file(STRINGS ${UCD_DIR}/${file} lines REGEX "^[0-9A-F.]+ +; ${property} +#")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([0-9A-F]+)(\\.\\.([0-9A-F]+))? +; [A-Za-z_]+ +# (..)" _ "${line}")
        math(EXPR first "0x${CMAKE_MATCH_1}")
        set(last ${first})
        if(CMAKE_MATCH_3)
            math(EXPR last "0x${CMAKE_MATCH_3}")
        endif()
        # Tested last: a match resets CMAKE_MATCH_<n>.  Marks stay marks.
        if(CMAKE_MATCH_4 MATCHES "^M")
            continue()
        endif()
        add_range(ranges ${first} ${last})
    endforeach()
    set(${out} ${ranges} PARENT_SCOPE)
endfunction()
add_property(hidden PropList.txt Noncharacter_Code_Point)
add_property(hidden DerivedCoreProperties.txt Default_Ignorable_Code_Point)

# Sorted, overlapping and touching ranges merged, as C++ initialisers.
function(write_table out name ranges)
    list(SORT ranges COMPARE NATURAL)
    set(merged "")
    foreach(range IN LISTS ranges)
        string(REPLACE ":" ";" range "${range}")
        list(GET range 0 first)
        list(GET range 1 last)
        list(LENGTH merged count)
        if(count GREATER 0)
            list(GET merged -1 previous)
            string(REPLACE ":" ";" previous "${previous}")
            list(GET previous 0 previousFirst)
            list(GET previous 1 previousLast)
            math(EXPR next "${previousLast} + 1")
            if(first LESS_EQUAL next)
                if(last LESS previousLast)
                    set(last ${previousLast})
                endif()
                list(POP_BACK merged)
                list(APPEND merged "${previousFirst}:${last}")
                continue()
            endif()
        endif()
        list(APPEND merged "${first}:${last}")
    endforeach()
    set(text "inline constexpr CodePointRange ${name}[] = {\n")
    foreach(range IN LISTS merged)
        string(REPLACE ":" ";" range "${range}")
        list(GET range 0 first)
        list(GET range 1 last)
        math(EXPR first "${first}" OUTPUT_FORMAT HEXADECIMAL)
        math(EXPR last "${last}" OUTPUT_FORMAT HEXADECIMAL)
        string(APPEND text "    {${first}, ${last}},\n")
    endforeach()
    string(APPEND text "};\n")
    set(${out} "${${out}}${text}" PARENT_SCOPE)
endfunction()

file(STRINGS ${UCD_DIR}/DerivedCoreProperties.txt version LIMIT_COUNT 1)
string(REGEX REPLACE "^# DerivedCoreProperties-(.*)\\.txt$" "\\1" version "${version}")
set(header "// Generated from the Unicode Character Database (${version}) by
// GenerateUnicodeClasses.cmake; do not edit.
#pragma once

namespace runtime::unicode {

struct CodePointRange {
    char32_t first, last;
};

")
write_table(header combiningMarks "${combining}")
string(APPEND header "\n")
write_table(header hiddenCharacters "${hidden}")
string(APPEND header "\n} // namespace runtime::unicode\n")
file(WRITE ${OUTPUT}.tmp "${header}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
