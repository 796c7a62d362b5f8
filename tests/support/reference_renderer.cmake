# The QPainter renderer kept as the reference for the portable one; tests and
# benchmarks that compare the two link it.
include_guard(GLOBAL)
add_library(reference_renderer STATIC ${CMAKE_CURRENT_LIST_DIR}/reference_renderer.cpp)
target_link_libraries(reference_renderer PUBLIC gfx_core Qt6::Gui)
