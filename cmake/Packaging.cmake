# The documents a Debian package carries, and `cpack` settings for a Debian
# package of the program (cpack -G DEB in a release build folder).

set(KESTROVA_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${KESTROVA_CHANGELOG}
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/packaging/changelog > ${KESTROVA_CHANGELOG}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${KESTROVA_CHANGELOG})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/packaging/copyright ${KESTROVA_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "The Kestrova developers")
set(CPACK_PACKAGE_CONTACT "The Kestrova developers <maintainers@kestrova.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "suite of patience card games")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kestrova.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The window icon is an SVG picture, drawn by the icon engine plugin of Qt SVG;
# the help engine reads the help file through the SQLite driver plugin.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the extended
# description, whose lines cpack indents and whose empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kestrova 2000 plays more than a hundred patience games, among them
FreeCell, Klondike, Spider, Canfield, Pyramid, Golf and Poker Square, with
animated moves, unlimited undo, table backgrounds and card sets to choose
from. Every deal is fixed by its game number, so any deal can be replayed or
shared.

The package also holds kestrova-cli, which deals and plays the games and
prints the statistics without a window.")
include(CPack)
