# "cpack -G DEB" in the build folder makes the Debian package from the install rules.
set(CPACK_PACKAGE_NAME kavrel)
set(CPACK_PACKAGE_VENDOR "The Kavrel developers")
set(CPACK_PACKAGE_CONTACT "The Kavrel developers <kavrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher for a collection of old DOS and Windows games")
# Debian shows the long description as it stands: lines of at most 80 characters. CPack puts
# the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kavrel keeps one person's collection of old games in a single small window:
the titles with previous and next buttons, a screenshot, a description and
the type of each game. DOS games start inside the DOSBox emulator, Windows
games on their own or through Wine.
.
Games can also be listed and started from the command line, for scripts and
desktop shortcuts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A game launcher is filed with the games, its program in /usr/games (src/CMakeLists.txt).
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries come from the program itself; Qt's platform plugins, which show the window, are
# only recommended by Qt's libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# DOS games play in DOSBox; Windows games may run under Wine; Qt's translations put the
# buttons of Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dosbox, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS wine)

include(CPack)
