# The graphics library for other programs, as the component "dev": the public headers,
# the static libraries of the desktop and the headless entries with what they need of
# the core, the renderer and the files, a CMake package (find_package(FennsTownGfx),
# targets FennsTownGfx::desktop and FennsTownGfx::headless) and a pkg-config file per
# entry. On Linux it is the Debian package libfenns-town-gfx-dev; on Windows the zip of
# the library for MinGW-w64 (cmake/WindowsInstall.cmake), whose desktop entry is the
# Win32 one. Left out of a plain `cmake --install`, which installs the town as before:
# `--component dev` installs it.
include(CMakePackageConfigHelpers)

set(gfx_name fenns-town-gfx)
set(gfx_libdir ${CMAKE_INSTALL_LIBDIR})
# Debian's multiarch folder, where Debian keeps a library's files for one architecture;
# a zip unpacked anywhere on Windows has a plain lib/.
if(NOT WIN32 AND CMAKE_LIBRARY_ARCHITECTURE AND NOT gfx_libdir MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}$")
  set(gfx_libdir ${gfx_libdir}/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(GFX_LIBDIR ${gfx_libdir} CACHE STRING "Where the library's archives install, below the prefix")
# The archives keep their short names (libgfx_core.a) in a folder of their own.
set(gfx_archive_dir ${GFX_LIBDIR}/${gfx_name})
set(gfx_cmake_dir ${GFX_LIBDIR}/cmake/FennsTownGfx)
set(gfx_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/${gfx_name})
# Windows programs read the font beside them, so the package carries a copy to put there.
set(gfx_font_dir ${CMAKE_INSTALL_DATADIR}/${gfx_name}/fonts)

# What a program links: an entry (main, which calls the program's appMain) and the facade.
# The desktop entry is there when the build has the system's back end (on Windows, while
# that is being made, only the headless one is).
add_library(gfx_headless_entry INTERFACE)
target_link_libraries(gfx_headless_entry INTERFACE gfx_headless_main gfx_facade)
set_target_properties(gfx_headless_entry PROPERTIES EXPORT_NAME headless)
if(WIN32)
  # Linked statically, as the project's own programs are: the C++ runtime, libgcc and the
  # thread library go into the program, which then needs no DLL but Windows' own.
  target_link_options(gfx_headless_entry INTERFACE -static)
endif()
set(gfx_manifest_object "")
if(WIN32 AND GFX_WIN32_RESOURCE_DIR)
  # The manifest of the project's programs (gfx/backends/win32/dpi_aware.manifest), in
  # every program of one's own too: its UTF-8 code page lets the library's file names
  # hold any language, so that the font beside a program is found in any folder; DPI
  # awareness and the current controls come with it. A resource has no symbol by which a linker would
  # take it from an archive, so it is an object of its own, linked in whole.
  set(gfx_manifest_object ${CMAKE_CURRENT_BINARY_DIR}/gfx_manifest.o)
  add_custom_command(OUTPUT ${gfx_manifest_object}
    COMMAND ${CMAKE_RC_COMPILER} -O coff -I ${GFX_WIN32_RESOURCE_DIR}
      -i ${GFX_WIN32_RESOURCE_DIR}/dpi_aware.rc -o ${gfx_manifest_object}
    DEPENDS ${GFX_WIN32_RESOURCE_DIR}/dpi_aware.rc ${GFX_WIN32_RESOURCE_DIR}/dpi_aware.manifest
    WORKING_DIRECTORY ${GFX_WIN32_RESOURCE_DIR}
    COMMENT "The manifest of programs of one's own" VERBATIM)
  add_custom_target(gfx_manifest ALL DEPENDS ${gfx_manifest_object})
  install(FILES ${gfx_manifest_object} DESTINATION ${gfx_archive_dir} COMPONENT dev EXCLUDE_FROM_ALL)
  target_link_libraries(gfx_headless_entry INTERFACE
    "$<INSTALL_INTERFACE:$<INSTALL_PREFIX>/${gfx_archive_dir}/gfx_manifest.o>")
endif()
set(gfx_parts headless)
if(WIN32)
  set(gfx_desktop_main gfx_win32_main)
else()
  set(gfx_desktop_main gfx_qt_main)
endif()
if(TARGET ${gfx_desktop_main})
  list(APPEND gfx_parts desktop)
  add_library(gfx_desktop INTERFACE)
  target_link_libraries(gfx_desktop INTERFACE ${gfx_desktop_main} gfx_facade)
  set_target_properties(gfx_desktop PROPERTIES EXPORT_NAME desktop)
  if(WIN32)
    # A desktop program is a GUI program: no console window opens beside its windows,
    # whether or not its add_executable says WIN32. Its entry lies in an archive that
    # only MinGW's own library names, and that comes after every archive of the
    # program: the linker is told to take the entry from the start (wWinMain with
    # -municode, WinMain without).
    get_target_property(main_options ${gfx_desktop_main} INTERFACE_LINK_OPTIONS)
    if("-municode" IN_LIST main_options)
      set(gfx_win32_entry wWinMain)
    else()
      set(gfx_win32_entry WinMain)
    endif()
    target_link_options(gfx_desktop INTERFACE -mwindows -static LINKER:--undefined=${gfx_win32_entry})
    if(gfx_manifest_object)
      target_link_libraries(gfx_desktop INTERFACE
        "$<INSTALL_INTERFACE:$<INSTALL_PREFIX>/${gfx_archive_dir}/gfx_manifest.o>")
    endif()
  endif()
endif()

# The project's libraries that targets link, they themselves and all those link in turn,
# each before the ones it needs (the order of a static link line). What is not a target
# of this project (Qt, xcb, giflib) is left to the link interface; a plain name (a
# Windows system library) is put in SYSTEM_OUT.
function(gfx_linked_targets out system_out)
  set(order "")
  set(system "")
  set(visiting "")
  foreach(target IN LISTS ARGN)
    gfx_visit(${target})
  endforeach()
  list(REMOVE_DUPLICATES system)
  set(${out} ${order} PARENT_SCOPE)
  set(${system_out} ${system} PARENT_SCOPE)
endfunction()
# Depth first: a library is put before everything it links, once all of that is placed.
# Works on the caller's order, system and visiting.
function(gfx_visit target)
  # A generator expression names no library here; a name with :: is an imported target,
  # seen only in the folder that found it.
  if(target MATCHES "[$<]|::" OR target IN_LIST visiting)
    return()
  endif()
  if(NOT TARGET ${target})
    list(APPEND system ${target})
    set(system ${system} PARENT_SCOPE)
    return()
  endif()
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    return()
  endif()
  list(APPEND visiting ${target})
  # The options a library asks of every program that links it (MinGW's -municode, say).
  get_target_property(options ${target} INTERFACE_LINK_OPTIONS)
  if(options)
    list(APPEND system ${options})
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL INTERFACE_LIBRARY)
    get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(links ${target} LINK_LIBRARIES)
  endif()
  if(links)
    foreach(link IN LISTS links)
      gfx_visit(${link})
    endforeach()
  endif()
  list(PREPEND order ${target})
  set(order ${order} PARENT_SCOPE)
  set(system ${system} PARENT_SCOPE)
  set(visiting ${visiting} PARENT_SCOPE)
endfunction()

# Two export sets, so that a headless program needs neither the windows' libraries nor
# a display. The public headers are gfx_api's header set (gfx/CMakeLists.txt), installed
# with it.
gfx_linked_targets(headless_targets headless_system gfx_headless_entry)
if(desktop IN_LIST gfx_parts)
  gfx_linked_targets(desktop_link_order desktop_system gfx_desktop)
  set(desktop_targets ${desktop_link_order})
  list(REMOVE_ITEM desktop_targets ${headless_targets})
endif()
foreach(part IN LISTS gfx_parts)
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
# The package knows the system it was built for and, on Windows, where its font lies.
set(GFX_PACKAGE_SYSTEM ${CMAKE_SYSTEM_NAME})
if(WIN32)
  file(RELATIVE_PATH GFX_PACKAGE_FONT_DIR /${gfx_cmake_dir} /${gfx_font_dir})
  # The build's copy beside its programs, with the font's licence (gfx/render).
  set(font_copy ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${GFX_FONT_FILE})
  get_filename_component(font_copy_dir ${font_copy} DIRECTORY)
  install(FILES ${font_copy} ${font_copy_dir}/LICENSE.txt
    DESTINATION ${gfx_font_dir} COMPONENT dev EXCLUDE_FROM_ALL)
else()
  set(GFX_PACKAGE_FONT_DIR "")
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/FennsTownGfxConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfig.cmake INSTALL_DESTINATION ${gfx_cmake_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/FennsTownGfxConfigVersion.cmake
  DESTINATION ${gfx_cmake_dir} COMPONENT dev EXCLUDE_FROM_ALL)

# pkg-config: the archives in link order, each before the ones it needs, then what they
# need of the system. The prefix is found from the file's own place, so the files hold
# wherever the library is installed or unpacked.
file(RELATIVE_PATH GFX_PC_PREFIX /${GFX_LIBDIR}/pkgconfig /)
set(GFX_INCLUDE_DIR ${gfx_include_dir})
set(GFX_ARCHIVE_DIR ${gfx_archive_dir})
# The archives of each entry in the order of its CMake target's links; then the system's
# libraries, the ones the targets name (on Windows the back end's user32, gdi32 ...)
# and what pkg-config finds of the others (Qt and xcb on Linux, by Requires).
function(gfx_pc_libs out)
  set(words "")
  foreach(item IN LISTS ARGN)
    if(TARGET ${item})
      get_target_property(type ${item} TYPE)
      if(type STREQUAL STATIC_LIBRARY)
        list(APPEND words -l${item})
      endif()
    elseif(item MATCHES "^-|\\.o$")
      list(APPEND words ${item})
    elseif(item MATCHES "^LINKER:(.*)")
      list(APPEND words -Wl,${CMAKE_MATCH_1})
    else()
      list(APPEND words -l${item})
    endif()
  endforeach()
  list(JOIN words " " words)
  set(${out} "${words}" PARENT_SCOPE)
endfunction()
if(gfx_manifest_object)
  set(gfx_pc_manifest "\${archivedir}/gfx_manifest.o")
endif()
gfx_pc_libs(GFX_DESKTOP_LIBS ${gfx_pc_manifest} ${desktop_link_order} ${desktop_system})
if(WIN32)
  set(GFX_DESKTOP_REQUIRES "")
  gfx_pc_libs(GFX_HEADLESS_LIBS ${gfx_pc_manifest} ${headless_targets} ${headless_system})
  # `pkg-config --variable=fontdir ...`: the folder to copy beside a program.
  set(GFX_PC_FONT_DIR "fontdir=\${prefix}/${gfx_font_dir}\n")
else()
  # Qt and xcb come with pkg-config files of their own; giflib has none.
  set(GFX_DESKTOP_REQUIRES "Qt6Widgets xcb")
  gfx_pc_libs(GFX_HEADLESS_LIBS ${headless_targets} ${headless_system} gif)
  set(GFX_PC_FONT_DIR "")
endif()
foreach(part IN LISTS gfx_parts)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${gfx_name}-${part}.pc.in
    ${CMAKE_CURRENT_BINARY_DIR}/${gfx_name}-${part}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${gfx_name}-${part}.pc
    DESTINATION ${GFX_LIBDIR}/pkgconfig COMPONENT dev EXCLUDE_FROM_ALL)
endforeach()

# Its own copyright file and changelog, where Debian looks for a package's.
if(NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${PROJECT_BINARY_DIR}/data/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libfenns-town-gfx-dev COMPONENT dev EXCLUDE_FROM_ALL)
endif()
