# `cpack` makes a Debian package of what the install step puts in place. Its dependencies,
# Qt's libraries among them, are read from the libraries that the program is linked with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnok)
set(CPACK_PACKAGE_VENDOR "Varnok developers")
set(CPACK_PACKAGE_CONTACT "Varnok developers <varnok@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "model railway of three trains on a fixed track")
set(CPACK_PACKAGE_DESCRIPTION
    "Up to three trains run as worms of coloured cells on a track of 131\n\
cells with three junctions. Each train runs at the pace of its own\n\
throttle and is steered at the junctions with the arrow keys; a third\n\
window shows the live state of every train.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian's Qt runs on Wayland only with its Wayland plugin. Varnok prefers X11, which every
# Wayland desktop of Debian offers through XWayland, so it runs without the plugin nearly
# everywhere; but in a session with no X server at all it could not start. Recommended
# packages are installed unless the user asks otherwise.
# Qt's own texts (the system's errors that it words) in the user's language come with its
# translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
