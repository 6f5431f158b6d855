# Shared by the scripts that turn the data folder's CSV files into what the program is built with.

# The lines of a CSV after its header, which must start with `columns`. Only leading columns are
# read, so a source holding semicolons (which CMake lists split on) is turned into commas.
function(read_rows csv columns out)
    file(READ ${csv} content)
    string(REPLACE ";" "," content "${content}")
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    list(POP_FRONT lines header)
    if(NOT header MATCHES "^${columns}")
        message(FATAL_ERROR "${csv}: the header must start ${columns}")
    endif()
    list(FILTER lines EXCLUDE REGEX "^$")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()
