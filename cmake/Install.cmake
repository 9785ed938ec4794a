# What `cmake --install` puts in place: the program, its desktop entry and icon, and the
# notes that a Debian package carries beside them.
include(GNUInstallDirs)

install(TARGETS varnok RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/varnok.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/varnok.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the change log compressed, and without a time stamp in it.
set(compressed_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${compressed_changelog}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/changelog > ${compressed_changelog}
    DEPENDS data/changelog
    VERBATIM)
add_custom_target(changelog ALL DEPENDS ${compressed_changelog})
install(FILES data/copyright ${compressed_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnok)
