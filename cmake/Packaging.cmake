# The Debian package: `cpack` (or the `package` target) in a Release tree packs what
# `cmake --install` installs from that tree, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zembril)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders made by the install take these modes whatever the umask of whoever packs.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_CONTACT "Zembril developers <dev@zembril.invalid>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "emoji picker in the system tray")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zembril sits in the system tray of an X11 desktop. A global shortcut opens a
small floating picker over the application you are typing in: type to search
emoji by name and keyword, move with the arrow keys, and press Return to paste
the emoji into that application. Whatever was on the clipboard is put back.

Recently used emoji come first, people emoji appear in your default skin tone,
and a first-run window helps you choose the shortcut. The command
zembril --toggle opens the picker from a desktop key binding or a script.

Under Wayland it runs through XWayland and can only copy emoji.")

# The libraries come from dpkg-shlibdeps; the colour emoji font is loaded by name at run time,
# which no tool can see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-noto-color-emoji)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
