# SPDX-License-Identifier: GPL-2.0-or-later
# `make deb`: build/vobrel_<version>_<arch>.deb, the installation for all users under /usr.
set(VOBREL_HOMEPAGE "https://example.org/vobrel" CACHE STRING
    "Home page of the programs; the AppStream screenshots are <home page>/vobrel.png and /ortavi.png")
set(VOBREL_APPSTREAM_ID_BASE "org.example.vobrel" CACHE STRING
    "Reverse domain name under which the AppStream components are known")
foreach(launcher vobrel ortavi)
  string(SUBSTRING "${launcher}" 0 1 first)
  string(TOUPPER "${first}" first)
  string(SUBSTRING "${launcher}" 1 -1 rest)
  file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/desktop/${launcher})
  configure_file(${CMAKE_SOURCE_DIR}/desktop/${launcher}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/desktop/${launcher}/${VOBREL_APPSTREAM_ID_BASE}.${first}${rest}.metainfo.xml @ONLY)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vobrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vobrel")
set(CPACK_PACKAGE_CONTACT "Vobrel <vobrel@example.org>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spot-the-difference game with its picture editor")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "spot-the-difference game with its picture editor
 Vobrel shows an unaltered picture and a doctored copy side by side; the
 player clicks on the copy where they differ before the time runs out.
 Ortavi, its editor, prepares the picture pairs and their differences.
 The interface is in Italian.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install rules see the real prefix (/usr) and lay out an installation for all users.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VOBREL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor opens a picture in the desktop's own program through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
# Qt's own buttons in Italian; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
