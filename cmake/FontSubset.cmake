# The Latin-1 subset of the renderer's font (GFX_FONT_FILE), which the web edition
# carries instead of the whole font. Made at build time with fonttools' subsetter.
#
# gfx_font_subset(OUTPUT): a rule that writes the subset to OUTPUT.
find_program(TOWN_FONTTOOLS_PYTHON python3 HINTS /usr/bin
             DOC "Python that imports fontTools (Debian fonttools)")
if(TOWN_FONTTOOLS_PYTHON)
  execute_process(COMMAND ${TOWN_FONTTOOLS_PYTHON} -c "import fontTools.subset"
                  RESULT_VARIABLE fonttools_missing OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT TOWN_FONTTOOLS_PYTHON OR fonttools_missing)
  message(FATAL_ERROR "fonttools is missing (Debian package fonttools; scripts/setup.sh installs it)")
endif()

function(gfx_font_subset output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${TOWN_FONTTOOLS_PYTHON} ${PROJECT_SOURCE_DIR}/scripts/site/subset_font.py
            ${GFX_FONT_FILE} ${output}
    DEPENDS ${GFX_FONT_FILE} ${PROJECT_SOURCE_DIR}/scripts/site/subset_font.py
    COMMENT "Latin-1 subset of ${GFX_FONT_FILE}"
    VERBATIM)
endfunction()
