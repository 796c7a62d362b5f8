# The web build's Debian package: `cpack -G DEB` in build/web writes
# libfenns-town-gfx-web-dev_<version>_all.deb with the component web
# (cmake/GfxWebInstall.cmake) under /usr. WebAssembly is the same for every machine, so
# the package is for all of them (Architecture: all).
include(${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${TOWN_CHANGELOG_GZ}
  DESTINATION share/doc/libfenns-town-gfx-web-dev COMPONENT web EXCLUDE_FROM_ALL)
# What lintian would say of WebAssembly archives and of the site's font, and why not.
install(FILES ${PROJECT_SOURCE_DIR}/data/lintian/libfenns-town-gfx-web-dev
  DESTINATION share/lintian/overrides COMPONENT web EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL web)
set(CPACK_PACKAGE_NAME fenns-town)
set(CPACK_PACKAGE_VENDOR "Fenn's Town developers")
set(CPACK_PACKAGE_CONTACT "Fenn's Town developers <town@example.org>")
# As in cmake/Packaging.cmake: the package's description starts with its own summary.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
string(JOIN "\n" CPACK_DEBIAN_WEB_DESCRIPTION
  "Fenn's Town graphics library for your own programs on the web"
  "The small graphics and event library of Fenn's Town, built for the browser"
  "with emscripten: a program that defines appMain becomes a web page with the"
  "library's menu, text panel, input dialog, recorded scripts and an offline"
  "start, from the same source as on the desktop."
  ""
  "This package holds the WebAssembly archives, the headers, the page's files"
  "and a CMake package (find_package(FennsTownGfx COMPONENTS web)) whose"
  "add_web_site makes a program's site.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_WEB_PACKAGE_NAME libfenns-town-gfx-web-dev)
set(CPACK_DEBIAN_WEB_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A site is made with emscripten, CMake and, for a site's own icon, rsvg-convert.
set(CPACK_DEBIAN_WEB_PACKAGE_DEPENDS "emscripten, cmake")
set(CPACK_DEBIAN_WEB_PACKAGE_SUGGESTS "librsvg2-bin")
include(CPack)
