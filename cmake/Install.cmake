# What `cmake --install` puts in place: the program, its desktop entry, icon, software-centre
# metadata and manual page, and the notes that a Debian package carries beside them.
include(GNUInstallDirs)

install(TARGETS varnok RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the metadata as written, with the texts of every language of
# translations/data merged in by gettext.
find_program(MSGFMT msgfmt REQUIRED)
set(data_catalogs ${PROJECT_SOURCE_DIR}/translations/data)
function(varnok_translated_data source kind)
    get_filename_component(name ${source} NAME)
    set(translated ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${translated}
        COMMAND ${MSGFMT} --${kind} --template=${CMAKE_CURRENT_SOURCE_DIR}/${source}
            -d ${data_catalogs} -o ${translated}
        DEPENDS ${source} ${VARNOK_DATA_CATALOGS} ${data_catalogs}/LINGUAS
        VERBATIM)
    add_custom_target(translate_${name} ALL DEPENDS ${translated})
    set(translated_file ${translated} PARENT_SCOPE)
endfunction()

varnok_translated_data(data/varnok.desktop desktop)
install(FILES ${translated_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/varnok.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Where software centres look for what a program is.
varnok_translated_data(data/org.varnok.varnok.metainfo.xml xml)
install(FILES ${translated_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the manual page and the change log compressed, without a time stamp in them.
function(varnok_compressed source)
    get_filename_component(name ${source} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${compressed}
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(compress_${name} ALL DEPENDS ${compressed})
    set(compressed_file ${compressed} PARENT_SCOPE)
endfunction()

varnok_compressed(data/varnok.1)
install(FILES ${compressed_file} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
varnok_compressed(data/changelog)
install(FILES data/copyright ${compressed_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnok)
