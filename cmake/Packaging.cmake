# One Debian package for the whole collection: `cpack -G DEB` in the build directory.
# Its dependencies are computed from the installed programs by dpkg-shlibdeps.
set(QV_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${QV_DATA_NAME})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${QV_DOC_DIR})
# Debian wants the changelog compressed, reproducibly.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/share/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/doc
  COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/share/doc/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/share/doc/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/share/doc/changelog.gz DESTINATION ${QV_DOC_DIR})

set(CPACK_PACKAGE_NAME ${QV_DATA_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The qv card games developers <games@qvcardgames.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pocket card games against the computer")
set(CPACK_PACKAGE_DESCRIPTION "Card games first made for a pocket computer with a stylus, each its
own program with a desktop entry, an icon, a rules page and a manual page:
Velmar, an attack-and-defence game with a trump suit, and more games of the
same family as they are finished.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The table text is drawn in DejaVu Sans, found through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
