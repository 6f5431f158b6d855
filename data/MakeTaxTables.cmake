# Writes the tax-law tables the engine is built with, as a C++ source.
#   cmake -DALLOWANCE=<special-allowance-rates.csv> -DSECTION179=<section-179-limits.csv>
#         -DOUTPUT=<file.cpp> -P MakeTaxTables.cmake
# Dates become numbers yyyymmdd; an empty bound becomes 0 (after) or 99999999 (before, to);
# an empty amount becomes -1. Only the figures are compiled in: the sources stay in the CSVs.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED ALLOWANCE OR NOT DEFINED SECTION179 OR NOT DEFINED OUTPUT)
    message(FATAL_ERROR "usage: cmake -DALLOWANCE=<csv> -DSECTION179=<csv> -DOUTPUT=<file>"
                        " -P MakeTaxTables.cmake")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CsvRows.cmake)

# A field as a C++ number: a date yyyy-mm-dd as yyyymmdd, a whole number as itself, an empty
# field as `empty` (refused when `empty` is "required").
function(number text empty out)
    if(text STREQUAL "" AND empty STREQUAL "required")
        message(FATAL_ERROR "a row leaves a required field empty")
    elseif(text STREQUAL "")
        set(${out} ${empty} PARENT_SCOPE)
    elseif(text MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        set(${out} "${CMAKE_MATCH_1}${CMAKE_MATCH_2}${CMAKE_MATCH_3}" PARENT_SCOPE)
    elseif(text MATCHES "^[0-9]+$")
        set(${out} ${text} PARENT_SCOPE)
    else()
        message(FATAL_ERROR "\"${text}\" is neither a date yyyy-mm-dd nor a whole number")
    endif()
endfunction()

# The leading fields of a line as C++ numbers, one for each stand-in of an empty field given.
function(row line empties out)
    string(REPLACE "," ";" fields "${line},")
    set(values)
    foreach(empty IN LISTS empties)
        list(POP_FRONT fields field)
        number("${field}" ${empty} value)
        list(APPEND values ${value})
    endforeach()
    string(JOIN ", " text ${values})
    set(${out} "    {${text}},\n" PARENT_SCOPE)
endfunction()

read_rows(${ALLOWANCE} "acquired_after,acquired_before,in_service_from,in_service_to,rate,"
          allowance_lines)
set(allowance_rows "")
foreach(line IN LISTS allowance_lines)
    row("${line}" "0;99999999;required;99999999;required" text)
    string(APPEND allowance_rows "${text}")
endforeach()
list(LENGTH allowance_lines allowance_count)

read_rows(${SECTION179} "year,dollar_limit,phaseout_threshold,suv_limit," limit_lines)
set(limit_rows "")
foreach(line IN LISTS limit_lines)
    row("${line}" "required;required;required;-1" text)
    string(APPEND limit_rows "${text}")
endforeach()
list(LENGTH limit_lines limit_count)

file(WRITE ${OUTPUT}.part "// Written by MakeTaxTables.cmake from the data folder's CSV files.
#include \"engine/TaxTables.h\"

#include <array>

namespace pellory {
namespace {

constexpr std::array<AllowanceLaw, ${allowance_count}> kAllowanceLaws{{
${allowance_rows}}};

constexpr std::array<Section179Year, ${limit_count}> kSection179Years{{
${limit_rows}}};

}  // namespace

std::span<const AllowanceLaw> AllowanceLaws() {
    return kAllowanceLaws;
}

std::span<const Section179Year> Section179Years() {
    return kSection179Years;
}

}  // namespace pellory
")
file(COPY_FILE ${OUTPUT}.part ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.part)
