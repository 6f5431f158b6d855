# The program's libraries, one per source folder of src/, each exposing only its own headers.
#
# pellory_add_library(name SOURCES... [HEADERS...] [DEPS...] [PRIVATE_DEPS...])
#   A static library of the current source folder. Its include directory,
#   <build>/include/<name>, holds links to its own headers only, named "<folder>/<header>" as
#   the code includes them ("engine/Depr.h", "print/qt/QtPrinter.h"). So a header compiles only
#   in a target that links its library, directly or through a PUBLIC dependency, and a layer
#   that reaches past its neighbours fails to build. HEADERS defaults to every header of the
#   folder (not of its subfolders). DEPS are the libraries its headers need, PRIVATE_DEPS those
#   only its sources need.
#
# pellory_add_headers(target visibility [HEADERS...])
#   The same include directory for any target, for example an executable's own headers.

set(PELLORY_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
cmake_path(NORMAL_PATH PELLORY_SOURCE_ROOT)

function(pellory_add_headers target visibility)
    cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
    if(NOT ARG_HEADERS)
        file(GLOB ARG_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    endif()
    file(RELATIVE_PATH folder ${PELLORY_SOURCE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
    set(include_dir ${CMAKE_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${include_dir})
    file(MAKE_DIRECTORY ${include_dir}/${folder})
    foreach(header IN LISTS ARG_HEADERS)
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${include_dir}/${folder}/${header}
             SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${visibility} ${include_dir})
endfunction()

function(pellory_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;HEADERS;DEPS;PRIVATE_DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    pellory_add_headers(${name} PUBLIC HEADERS ${ARG_HEADERS})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()
