# The Debian package: `cpack` in the build folder (scripts/setup.sh package)
# packs whatever `cmake --install` installs, under /usr.

# The package's own documents beside the installed files: README, the Debian
# copyright file and, for a package without a separate upstream, its changelog.
set(ZORVA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zorva)
execute_process(COMMAND date -u -R -d "${ZORVA_RELEASE_DATE}"
  OUTPUT_VARIABLE ZORVA_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ZORVA_RELEASE_DATE '${ZORVA_RELEASE_DATE}' is not a date")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
zorva_gzip(${CMAKE_BINARY_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_target(zorva_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES README.md packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${ZORVA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZORVA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for HTML client-side image maps")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ZORVA opens a picture and lets you draw clickable areas over it (rectangles,
ellipses, polygons, lines and freehand outlines), give each area its link,
target frame and ALT text, save the work as a project file (.zvf), write an
HTML page with the map or a responsive page whose map scales with the
picture, and read an existing page's map back to patch only that map.
zorva-cli does the same work on the command line and checks maps for faults
a browser does not report. The user interface is Japanese.")
# The libraries the programs link come from dpkg-shlibdeps. What it cannot see
# are Qt's plugins, loaded at run time: the SQLite driver the manual is read
# through and the platform plugins a window needs (Qt only recommends them).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# Japanese glyphs, Qt's own dialogs in Japanese, and xdg-open for the preview.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n, xdg-utils")
include(CPack)
