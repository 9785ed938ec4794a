# Refuses an #include that climbs out of its layer: one that holds "..", one that names a file
# by an absolute path, and one that names a layer above the including file's own. Include
# roots cannot refuse these by themselves: "../ui/X.h" is found beside the including file, and
# "sim/../app/X.h" through the link to sim/.
#
#   cmake -DROOT=<source folder> -P CheckIncludes.cmake      every file of every layer, and of
#                                                             the tests, benchmarks and fuzz
#                                                             targets, which stand on app/
#   cmake -DFILE=<file> -DLAYER=<layer> -P CheckIncludes.cmake    one file, as a file of LAYER
cmake_minimum_required(VERSION 3.25)

# From the bottom up: a file may include its own layer and those below it.
set(layers base track sim ui app)

function(check_file file layer)
    list(FIND layers ${layer} own)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*$" "\\1" name
            "${line}")
        set(fault "")
        if(name MATCHES "(^|/)\\.\\.(/|$)")
            set(fault "climbs out of its folder with \"..\"")
        elseif(name MATCHES "^/")
            set(fault "names a file by an absolute path")
        elseif(name MATCHES "^([^/]+)/")
            list(FIND layers ${CMAKE_MATCH_1} named)
            if(named GREATER own)
                set(fault "reaches up from ${layer}/ to ${CMAKE_MATCH_1}/")
            endif()
        endif()
        if(fault)
            set(faults "${faults}${file}: #include ${name} ${fault}\n")
        endif()
    endforeach()
    set(faults "${faults}" PARENT_SCOPE)
endfunction()

set(faults "")
if(DEFINED FILE)
    check_file(${FILE} ${LAYER})
else()
    foreach(folder IN LISTS layers ITEMS tests bench fuzz)
        set(layer ${folder})
        if(NOT folder IN_LIST layers)
            set(layer app)
        endif()
        file(GLOB_RECURSE sources ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
        foreach(source IN LISTS sources)
            check_file(${source} ${layer})
        endforeach()
    endforeach()
endif()
if(faults)
    # Unwrapped, one line a fault.
    message(NOTICE "${faults}")
    message(FATAL_ERROR "Includes leave their layer")
endif()
