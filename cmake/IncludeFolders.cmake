# Each target's own include folder. Sources include by the path from the source root
# ("gfx/core/state.h"), but no target sees the whole root: a target's folder in the build
# tree holds links to exactly the source folders and headers it offers, so a file
# reaches another target's headers only when its target links that one. Which of those
# includes may point where is checked by scripts/check_includes.py (test include_layers).
#
# gfx_include_folder(TARGET SCOPE PATH...): PATHs relative to the source root, folders or
# single headers; SCOPE as for target_include_directories.
function(gfx_include_folder target scope)
  set(folder ${CMAKE_BINARY_DIR}/include/${target})
  foreach(path IN LISTS ARGN)
    get_filename_component(parent ${folder}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${folder}/${path})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${folder}/${path} SYMBOLIC)
    endif()
  endforeach()
  # The build tree's folder only: an installed target names its own (see cmake/GfxInstall.cmake).
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${folder}>)
endfunction()
