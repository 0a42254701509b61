# `make package`: a Debian package of everything the install rules put under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pondaro)
set(CPACK_PACKAGE_VENDOR "The Pondaro developers")
set(CPACK_PACKAGE_CONTACT "The Pondaro developers <pondaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Pondaro is a card game for one player against the CPU. Each side asks the other
for a rank it holds, takes every card of that rank or draws from the pile, and
lays down books of four. Whoever has more books when the pile or a hand runs
out wins.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PONDARO_HOMEPAGE})
# The shared libraries the binary links give most dependencies. The toolkit's X11 platform
# plugin is loaded at run time, so no linked library names it, and Debian only recommends it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The console asks for this fixed-pitch family by name and falls back to another one without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
