# The library for the web, as the component "web" of the web build (the Debian package
# libfenns-town-gfx-web-dev, cmake/GfxWebPackaging.cmake): the WebAssembly archives of
# the library and its web entry, the public headers, the page's files (its bundled code,
# templates of its page, style, manifest and service worker, the font subset, the
# default icons, the prelude that places the font) and a CMake package whose
# add_web_program and add_web_site make a program's site. WebAssembly is the same on
# every machine: the archives lie in lib/fenns-town-gfx-web, everything else under
# share/. Left out of a plain `cmake --install`: `--component web` installs it.
#
# A program of one's own then finds it from a build configured with emcmake. Emscripten's
# toolchain looks for packages below its own folders only (CMAKE_FIND_ROOT_PATH), so the
# prefix is named as one of them:
#   emcmake cmake -S . -B build -DCMAKE_FIND_ROOT_PATH=PREFIX
include(CMakePackageConfigHelpers)

set(web_name fenns-town-gfx-web)
set(web_dir share/${web_name})
set(web_cmake_dir share/cmake/FennsTownGfx-web)

set(web_targets gfx_api gfx_files gfx_render gfx_core gfx_facade gfx_web gfx_web_main
    gfx_web_program)
install(TARGETS ${web_targets} EXPORT FennsTownGfx-web
  ARCHIVE DESTINATION lib/${web_name} COMPONENT web EXCLUDE_FROM_ALL
  FILE_SET HEADERS DESTINATION ${web_dir}/include COMPONENT web EXCLUDE_FROM_ALL)
install(EXPORT FennsTownGfx-web NAMESPACE FennsTownGfx:: DESTINATION ${web_cmake_dir}
  COMPONENT web EXCLUDE_FROM_ALL)

# The files every site holds as they are, and the templates each fills in.
install(DIRECTORY ${GFX_WEB_SHARED}/ DESTINATION ${web_dir}/site COMPONENT web EXCLUDE_FROM_ALL)
install(DIRECTORY ${GFX_WEB_TEMPLATES}/ DESTINATION ${web_dir}/templates COMPONENT web
  EXCLUDE_FROM_ALL)
install(FILES ${GFX_WEB_PRELUDE} ${GFX_WEB_SW_SCRIPT} DESTINATION ${web_dir} COMPONENT web
  EXCLUDE_FROM_ALL)

# The package: the functions, and the values they read, found from the package's place.
get_filename_component(prelude_name ${GFX_WEB_PRELUDE} NAME)
get_filename_component(sw_script_name ${GFX_WEB_SW_SCRIPT} NAME)
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxWebValues.cmake
  CONTENT "# The values add_web_program and add_web_site read, for the installed component.
set(GFX_WEB_LINK FennsTownGfx::web)
set(GFX_WEB_SHARED \${PACKAGE_PREFIX_DIR}/${web_dir}/site)
set(GFX_WEB_TEMPLATES \${PACKAGE_PREFIX_DIR}/${web_dir}/templates)
set(GFX_WEB_PRELUDE \${PACKAGE_PREFIX_DIR}/${web_dir}/${prelude_name})
set(GFX_WEB_SW_SCRIPT \${PACKAGE_PREFIX_DIR}/${web_dir}/${sw_script_name})
set(GFX_WEB_SHARED_TARGET \"\")
set(GFX_WEB_FONT_URL ${GFX_WEB_FONT_URL})
set(GFX_WEB_THEME_COLOUR \"${GFX_WEB_THEME_COLOUR}\")
set(GFX_WEB_BACKGROUND_COLOUR \"${GFX_WEB_BACKGROUND_COLOUR}\")
set(GFX_WEB_CLIENT_WIDTH ${GFX_WEB_CLIENT_WIDTH})
set(GFX_WEB_CLIENT_HEIGHT ${GFX_WEB_CLIENT_HEIGHT})
" @ONLY)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/FennsTownGfxWebConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxConfig.cmake
  INSTALL_DESTINATION ${web_cmake_dir})
# Its version file says it is for 32-bit WebAssembly: a 64-bit desktop build passes it by
# and finds the desktop package (libfenns-town-gfx-dev) instead.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxConfigVersion.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/web-package/FennsTownGfxWebValues.cmake
  ${PROJECT_SOURCE_DIR}/cmake/FennsTownGfxWeb.cmake
  DESTINATION ${web_cmake_dir} COMPONENT web EXCLUDE_FROM_ALL)
