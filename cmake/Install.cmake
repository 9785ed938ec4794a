# What `cmake --install` puts in place: the program, its desktop entry, icon, software-centre
# metadata and manual page, and the notes that a Debian package carries beside them.
include(GNUInstallDirs)

install(TARGETS varnok RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/varnok.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/varnok.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Where software centres look for what a program is.
install(FILES data/org.varnok.varnok.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
