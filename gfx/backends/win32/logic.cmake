# The back end's logic that needs no Windows: the picture's scale, the key translation,
# the input dialog's template and its texts. Built on every platform, so that its tests
# (tests/win32) run on Linux as well as under Wine; included by the back end and by
# those tests, whichever comes first.
include_guard(GLOBAL)

add_library(gfx_win32_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dialog_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_dialog_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_translation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/latin1_text.cpp
)
gfx_include_folder(gfx_win32_logic PUBLIC
  gfx/backends/win32/dialog_template.h
  gfx/backends/win32/dpi_scale.h
  gfx/backends/win32/input_dialog_layout.h
  gfx/backends/win32/key_translation.h
  gfx/backends/win32/latin1_text.h
  gfx/backends/win32/wide_string.h
)
target_link_libraries(gfx_win32_logic PUBLIC gfx_core)
