# Writes the limit tables the program starts with, or copies them into the program's folder.
#   cmake -DCSV=<irs-auto-limits.csv> -DOUTPUT=<folder> -P MakeAutoLimitTables.cmake
#       AutoMax.DAT from the CSV's year,first,second,third,later columns and an empty
#       Electric.DAT, both in OUTPUT
#   cmake -DFROM=<folder> -DTO=<folder> -P MakeAutoLimitTables.cmake
#       each table of FROM copied into TO when TO has no entry of that name
cmake_minimum_required(VERSION 3.25)
set(tables AutoMax.DAT Electric.DAT)

if(DEFINED FROM AND DEFINED TO)
    foreach(table IN LISTS tables)
        if(NOT EXISTS ${TO}/${table} AND NOT IS_SYMLINK ${TO}/${table})
            file(COPY ${FROM}/${table} DESTINATION ${TO})
        endif()
    endforeach()
    return()
endif()
if(NOT DEFINED CSV OR NOT DEFINED OUTPUT)
    message(FATAL_ERROR "usage: cmake -DCSV=<file> -DOUTPUT=<folder> -P MakeAutoLimitTables.cmake")
endif()

# A field left-aligned and padded with blanks to its width, as the editor stores it.
function(pad text width out)
    string(LENGTH "${text}" length)
    if(length GREATER width OR NOT text MATCHES "^[0-9]+$")
        message(FATAL_ERROR "${CSV}: \"${text}\" is not a whole number of at most ${width} digits")
    endif()
    math(EXPR blanks "${width} - ${length}")
    string(REPEAT " " ${blanks} padding)
    set(${out} "${text}${padding}" PARENT_SCOPE)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/CsvRows.cmake)
read_rows(${CSV} "year,first,second,third,later" lines)
set(records)
foreach(line IN LISTS lines)
    string(REPLACE "," ";" fields "${line}")
    list(SUBLIST fields 0 5 fields)
    list(POP_FRONT fields year)
    pad("${year}" 4 record)
    foreach(amount IN LISTS fields)
        pad("${amount}" 5 field)
        string(APPEND record "${field}")
    endforeach()
    list(APPEND records "${record}")
endforeach()
list(SORT records)
string(JOIN "" bytes ${records})
file(WRITE ${OUTPUT}/AutoMax.DAT "${bytes}")
file(WRITE ${OUTPUT}/Electric.DAT "")
