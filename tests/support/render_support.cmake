# What the renderer's tests and benchmarks share: the QPainter renderer kept as the
# reference for the portable one, and the records of a repaint of the town.
include_guard(GLOBAL)
# The tests sit above everything: their helpers are one include folder for all of them.
if(NOT TARGET test_headers)
  add_library(test_headers INTERFACE)
  # The tests write the library's names as the town does (vehicles/library_names.h).
  gfx_include_folder(test_headers INTERFACE tests vehicles/library_names.h)
endif()
if(NOT WIN32)
  add_library(reference_renderer STATIC ${CMAKE_CURRENT_LIST_DIR}/reference_renderer.cpp)
  target_link_libraries(reference_renderer PUBLIC test_headers gfx_render Qt6::Gui)
endif()
add_library(town_repaint STATIC ${CMAKE_CURRENT_LIST_DIR}/town_repaint.cpp)
target_link_libraries(town_repaint PUBLIC test_headers app gfx_headless)
