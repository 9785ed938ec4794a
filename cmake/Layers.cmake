# Compiler settings that every target of the project takes, from one interface target.
add_library(varnok_flags INTERFACE)
target_compile_features(varnok_flags INTERFACE cxx_std_20)
target_compile_options(varnok_flags INTERFACE -Wall -Wextra -Wpedantic
    $<$<BOOL:${VARNOK_WERROR}>:-Werror>)
# Any report of a sanitizer stops the program: a test cannot pass over one.
if(VARNOK_SANITIZE OR VARNOK_FUZZ)
    target_compile_options(varnok_flags INTERFACE -fsanitize=address,undefined
        -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(varnok_flags INTERFACE -fsanitize=address,undefined)
endif()
# Every library records the paths a fuzz input takes, for libFuzzer to steer by.
if(VARNOK_FUZZ)
    target_compile_options(varnok_flags INTERFACE -fsanitize=fuzzer-no-link)
endif()

# A layer is a folder of the project and one static library. Its headers are included as
# "folder/Name.h" through an include root that holds that folder alone, so a file can
# include only the layers that its target links.
function(varnok_layer name folder)
    add_library(${name} STATIC ${ARGN})
    set(root ${PROJECT_BINARY_DIR}/include-roots/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC varnok_flags)
    add_dependencies(${name} layer_fence)
endfunction()

# The build refuses an include that climbs out of its layer (cmake/CheckIncludes.cmake says
# how), and checks again whenever a file changes.
set(fenced_folders base track sim ui app tests bench fuzz)
list(TRANSFORM fenced_folders APPEND "/*.cpp" OUTPUT_VARIABLE fenced_sources)
list(TRANSFORM fenced_folders APPEND "/*.h" OUTPUT_VARIABLE fenced_headers)
list(TRANSFORM fenced_sources PREPEND "${PROJECT_SOURCE_DIR}/")
list(TRANSFORM fenced_headers PREPEND "${PROJECT_SOURCE_DIR}/")
file(GLOB_RECURSE fenced_files CONFIGURE_DEPENDS ${fenced_sources} ${fenced_headers})
set(layer_fence_stamp ${PROJECT_BINARY_DIR}/layer-fence.stamp)
add_custom_command(OUTPUT ${layer_fence_stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}
        -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${layer_fence_stamp}
    DEPENDS ${fenced_files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking that every include keeps to its layer")
add_custom_target(layer_fence DEPENDS ${layer_fence_stamp})
