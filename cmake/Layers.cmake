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
endfunction()
