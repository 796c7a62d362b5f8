# What the renderer's tests and benchmarks share: the QPainter renderer kept as the
# reference for the portable one, and the records of a repaint of the town.
include_guard(GLOBAL)
add_library(reference_renderer STATIC ${CMAKE_CURRENT_LIST_DIR}/reference_renderer.cpp)
target_link_libraries(reference_renderer PUBLIC gfx_core Qt6::Gui)
add_library(town_repaint STATIC ${CMAKE_CURRENT_LIST_DIR}/town_repaint.cpp)
target_link_libraries(town_repaint PUBLIC app gfx_headless)
