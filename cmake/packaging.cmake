# The Debian package: `cpack -G DEB` in the build tree writes vesk_<version>_<arch>.deb.
# Library dependencies come from dpkg-shlibdeps (dpkg-dev); the fonts are asked for by name
# because the window looks them up through fontconfig, which no linker sees.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The vesk developers")
set(CPACK_PACKAGE_CONTACT "The vesk developers <maintainers@vesk.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rotating magnetic field of a three-phase stator")
set(CPACK_PACKAGE_DESCRIPTION
    "vesk is a teaching demonstration of how the three phase currents in the\n"
    "stator of a three-phase induction motor combine into one rotating\n"
    "magnetomotive force of constant magnitude. It shows the stator cross-section,\n"
    "the phase vectors and their resultant, and a chart of the phase currents,\n"
    "as an animation or one step at a time.\n"
    "The package also has vesk-render, which writes the frames as images or text\n"
    "without opening a window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME vesk)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vesk.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming | fonts-noto-cjk, fonts-liberation2")

include(CPack)

# Debian looks for the licence in /usr/share/doc/PACKAGE/copyright, in its machine-readable format.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION share/doc/vesk)
