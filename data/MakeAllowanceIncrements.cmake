# Writes the first-year cap increases of auto-allowance-increments.csv as C++ initialisers, one
# a row, for the engine to compile in:
#   cmake -DCSV=<auto-allowance-increments.csv> -DOUTPUT=<file.inc> -P MakeAllowanceIncrements.cmake
# Each row becomes {from year, from month, to year, to month, rate percent (0: any rate),
# ordinary increase, clean-fuel increase (-1: as the ordinary one)}; an open end is 9999-12.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED CSV OR NOT DEFINED OUTPUT)
    message(FATAL_ERROR "usage: cmake -DCSV=<file> -DOUTPUT=<file> -P MakeAllowanceIncrements.cmake")
endif()

# "YYYY-MM-DD" as "YYYY, M"; an empty date as `open`.
function(month_of date open out)
    if(date STREQUAL "")
        set(${out} "${open}" PARENT_SCOPE)
    elseif(date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-[0-9][0-9]$")
        math(EXPR month "${CMAKE_MATCH_2}")
        set(${out} "${CMAKE_MATCH_1}, ${month}" PARENT_SCOPE)
    else()
        message(FATAL_ERROR "${CSV}: \"${date}\" is not a date YYYY-MM-DD")
    endif()
endfunction()

function(whole text empty out)
    if(text STREQUAL "")
        set(${out} "${empty}" PARENT_SCOPE)
    elseif(text MATCHES "^[0-9]+$")
        set(${out} "${text}" PARENT_SCOPE)
    else()
        message(FATAL_ERROR "${CSV}: \"${text}\" is not a whole number")
    endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/CsvRows.cmake)
read_rows(${CSV}
          "in_service_from,in_service_to,allowance_rate,first_year_increment,clean_fuel_increment"
          lines)
set(rows "// Written by MakeAllowanceIncrements.cmake from auto-allowance-increments.csv.\n")
foreach(line IN LISTS lines)
    # Empty fields are kept: a blank before each comma, stripped after the split.
    string(REPLACE "," " ;" fields "${line} ")
    list(SUBLIST fields 0 5 fields)
    list(TRANSFORM fields STRIP)
    list(GET fields 0 from)
    list(GET fields 1 to)
    list(GET fields 2 rate)
    list(GET fields 3 ordinary)
    list(GET fields 4 clean)
    month_of("${from}" "" from)
    month_of("${to}" "9999, 12" to)
    if(from STREQUAL "")
        message(FATAL_ERROR "${CSV}: a row without in_service_from")
    endif()
    if(rate STREQUAL "any")
        set(rate 0)
    endif()
    whole("${rate}" "" rate)
    whole("${ordinary}" "" ordinary)
    whole("${clean}" "-1" clean)
    string(APPEND rows "{${from}, ${to}, ${rate}, ${ordinary}, ${clean}},\n")
endforeach()
file(WRITE ${OUTPUT}.new "${rows}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
