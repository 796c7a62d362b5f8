# The Debian package: `cpack -G DEB` in a build folder writes
# fenns-town_<version>_amd64.deb with what data/CMakeLists.txt installs under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fenns-town)
set(CPACK_PACKAGE_VENDOR "Fenn's Town developers")
set(CPACK_PACKAGE_CONTACT "Fenn's Town developers <town@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "An animated town street grid for the desktop: one-way lanes meet at"
  "intersections with four-lamp traffic lights, and eight kinds of vehicles"
  "queue, stop at red lights, cross and turn toward their destinations, while"
  "a helicopter flies over the park."
  ""
  "Buttons choose heavy or light traffic; a menu animates, halts or advances the"
  "picture a frame at a time, logs every drawing call in a text window, and"
  "records and plays back scripts of the user's input. town-replay runs the same"
  "town without windows, as fast as the machine allows.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries come from dpkg-shlibdeps. Added to them: what the programs load
# at run time by name, which it cannot see in the binaries: the font file the renderer
# reads, and Qt's platform plugins, without which Qt cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")

include(CPack)
