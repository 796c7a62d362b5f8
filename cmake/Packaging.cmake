# The Debian packages: `cpack -G DEB` in a build folder writes
# fenns-town_<version>_amd64.deb with what data/CMakeLists.txt installs under /usr (the
# component town), and libfenns-town-gfx-dev_<version>_amd64.deb with the graphics
# library for other programs (the component dev, cmake/GfxInstall.cmake).

# The programs that ship, and every library of the project they link, are built
# hardened as Debian builds its packages: buffer checks in the C library's functions
# (which need the optimiser, so not in debug builds), a guard on the stack, and a
# global offset table made read-only before the program starts.
function(town_harden target)
  get_property(done GLOBAL PROPERTY TOWN_HARDENED)
  get_target_property(imported ${target} IMPORTED)
  get_target_property(type ${target} TYPE)
  if(${target} IN_LIST done OR imported OR type STREQUAL INTERFACE_LIBRARY)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY TOWN_HARDENED ${target})
  target_compile_options(${target} PRIVATE -fstack-protector-strong
    $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
  if(type STREQUAL EXECUTABLE)
    target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
  endif()
  get_target_property(libraries ${target} LINK_LIBRARIES)
  foreach(library IN LISTS libraries)
    if(TARGET ${library})
      town_harden(${library})
    endif()
  endforeach()
endfunction()
# Not under the sanitizers, whose own checks the C library's would stand in front of;
# those builds are never shipped.
if(NOT TOWN_SANITIZE AND NOT TOWN_BUILD_FUZZ)
  town_harden(town)
  town_harden(town-replay)
  town_harden(town-compare)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL town dev)
set(CPACK_PACKAGE_NAME fenns-town)
set(CPACK_PACKAGE_VENDOR "Fenn's Town developers")
set(CPACK_PACKAGE_CONTACT "Fenn's Town developers <town@example.org>")
# Each package's description starts with its own summary. CPackDeb puts the one
# summary of all packages before it unless that is CPack's default, so it is left so.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
# Debian wants the long description in lines of at most 80 columns.
string(JOIN "\n" CPACK_DEBIAN_TOWN_DESCRIPTION
  "${PROJECT_DESCRIPTION}"
  "An animated town street grid for the desktop: one-way lanes meet at"
  "intersections with four-lamp traffic lights, and eight kinds of vehicles"
  "queue, stop at red lights, cross and turn toward their destinations, while"
  "a helicopter flies over the park."
  ""
  "Buttons choose heavy or light traffic; a menu animates, halts or advances the"
  "picture a frame at a time, logs every drawing call in a text window, and"
  "records and plays back scripts of the user's input. town-replay runs the same"
  "town without windows, as fast as the machine allows.")
string(JOIN "\n" CPACK_DEBIAN_DEV_DESCRIPTION
  "Fenn's Town graphics library for your own programs"
  "The small graphics and event library of Fenn's Town: world coordinates, 24"
  "named colours, lines, rectangles, ovals, circles, triangles and text, one"
  "stream of mouse, key, tick and quit events, a drawing log, and recorded and"
  "replayed scripts. A program defines appMain and links the desktop entry (Qt"
  "windows, a menu and a text window) or the headless one, which makes it its"
  "own replay tool with a fixed seed, PNG and animated GIF pictures."
  ""
  "This package holds the headers, the static libraries, a CMake package"
  "(find_package(FennsTownGfx)), pkg-config files, and town-compare, which"
  "compares two runs of a program and says where they first differ.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_TOWN_PACKAGE_NAME fenns-town)
# Debian names a development package of a library lib<name>-dev; with static
# libraries only, there is no run-time package beside it.
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libfenns-town-gfx-dev)
# Games and toys, as the manual section 6 and the menu's Game category say: the
# programs install in /usr/games, where Debian keeps that section's programs.
set(CPACK_DEBIAN_TOWN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries come from dpkg-shlibdeps. Added to them: what the programs load
# at run time by name, which it cannot see in the binaries: the font file the renderer
# reads, and Qt's platform plugins, without which Qt cannot open a window.
set(CPACK_DEBIAN_TOWN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_TOWN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")
# The library's archives need, to link and to run a program: the development files of
# what they link (Qt's widgets, xcb, giflib) and the same font and platform plugins.
# town-compare's libraries come from dpkg-shlibdeps too.
set(CPACK_DEBIAN_DEV_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "qt6-base-dev, libxcb1-dev, libgif-dev, fonts-dejavu-core, qt6-qpa-plugins")

include(CPack)
