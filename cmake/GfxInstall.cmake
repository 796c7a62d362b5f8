# The graphics library for other programs, as the component "dev" (the Debian package
# libfenns-town-gfx-dev): the public headers, the static libraries of the desktop and
# the headless entries with what they need of the core, the renderer and the files, a
# CMake package (find_package(FennsTownGfx), targets FennsTownGfx::desktop and
# FennsTownGfx::headless) and a pkg-config file per entry. Left out of a plain
# `cmake --install`, which installs the town as before: `--component dev` installs it.
include(CMakePackageConfigHelpers)

set(gfx_name fenns-town-gfx)
# Debian's multiarch folder, where Debian keeps a library's files for one architecture.
set(gfx_libdir ${CMAKE_INSTALL_LIBDIR})
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT gfx_libdir MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}$")
  set(gfx_libdir ${gfx_libdir}/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(GFX_LIBDIR ${gfx_libdir} CACHE STRING "Where the library's archives install, below the prefix")
# The archives keep their short names (libgfx_core.a) in a folder of their own.
set(gfx_archive_dir ${GFX_LIBDIR}/${gfx_name})
set(gfx_cmake_dir ${GFX_LIBDIR}/cmake/FennsTownGfx)
set(gfx_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/${gfx_name})

# What a program links: an entry (main, which calls the program's appMain) and the facade.
add_library(gfx_desktop INTERFACE)
target_link_libraries(gfx_desktop INTERFACE gfx_qt_main gfx_facade)
add_library(gfx_headless_entry INTERFACE)
target_link_libraries(gfx_headless_entry INTERFACE gfx_headless_main gfx_facade)
set_target_properties(gfx_desktop PROPERTIES EXPORT_NAME desktop)
set_target_properties(gfx_headless_entry PROPERTIES EXPORT_NAME headless)

# Two export sets, so that a headless program needs neither Qt nor X. The public headers
# are gfx_api's header set (gfx/CMakeLists.txt), installed with it.
set(headless_targets gfx_api gfx_files gfx_render gfx_core gfx_facade gfx_headless replay_options
    gif_writer gfx_runner gfx_headless_main gfx_headless_entry)
set(desktop_targets gfx_qt gfx_qt_icon gfx_qt_main gfx_desktop)
foreach(part headless desktop)
  install(TARGETS ${${part}_targets} EXPORT FennsTownGfx-${part}
    ARCHIVE DESTINATION ${gfx_archive_dir} COMPONENT dev EXCLUDE_FROM_ALL
    FILE_SET HEADERS DESTINATION ${gfx_include_dir} COMPONENT dev EXCLUDE_FROM_ALL)
  install(EXPORT FennsTownGfx-${part} NAMESPACE FennsTownGfx:: DESTINATION ${gfx_cmake_dir}
    COMPONENT dev EXCLUDE_FROM_ALL)
endforeach()
# A stripped install strips the archives as Debian's dh_strip does: no debugging
# sections, no compiler's notes, deterministic archive members.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB archives \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${gfx_archive_dir}/*.a\")
    foreach(archive IN LISTS archives)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --remove-section=.comment
        --remove-section=.note --enable-deterministic-archives \"\${archive}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()" COMPONENT dev EXCLUDE_FROM_ALL)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/FennsTownGfxConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfig.cmake INSTALL_DESTINATION ${gfx_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfigVersion.cmake
  DESTINATION ${gfx_cmake_dir} COMPONENT dev EXCLUDE_FROM_ALL)

# pkg-config: the archives in link order, each before the ones it needs. The prefix is
# found from the file's own place, so the files hold wherever the library is installed.
file(RELATIVE_PATH GFX_PC_PREFIX /${GFX_LIBDIR}/pkgconfig /)
set(GFX_INCLUDE_DIR ${gfx_include_dir})
set(GFX_ARCHIVE_DIR ${gfx_archive_dir})
set(GFX_COMMON_LIBS "-lgfx_facade -lgfx_core -lgfx_render -lgfx_files")
foreach(part headless desktop)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${gfx_name}-${part}.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/${gfx_name}-${part}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${gfx_name}-${part}.pc
    DESTINATION ${GFX_LIBDIR}/pkgconfig COMPONENT dev EXCLUDE_FROM_ALL)
endforeach()

# Its own copyright file and changelog, where Debian looks for a package's.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${PROJECT_BINARY_DIR}/data/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libfenns-town-gfx-dev COMPONENT dev EXCLUDE_FROM_ALL)
