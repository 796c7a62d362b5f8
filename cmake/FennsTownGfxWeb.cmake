# add_web_program and add_web_site: any program's page, in this source tree (gfx/backends/web)
# and for a program of one's own from the installed component web
# (find_package(FennsTownGfx COMPONENTS web)), one file for both. What they read:
#   GFX_WEB_LINK       the target a web program links: the entry, the facade, the library
#   GFX_WEB_SHARED     a folder of the files every site holds as they are: the page's
#                      code bundled into gfx-page.js, the font subset and its licence,
#                      the default icons (icons/icon-48.png, -192, -512)
#   GFX_WEB_TEMPLATES  a folder of the files each site fills in: index.html, gfx-page.css,
#                      manifest.webmanifest and service_worker.js
#   GFX_WEB_PRELUDE    the script each program loads before main (it places the font)
#   GFX_WEB_SW_SCRIPT  the CMake script that writes a site's service worker
#   GFX_WEB_SHARED_TARGET  the target that makes GFX_WEB_SHARED, or "" when installed
#   GFX_WEB_PROGRAM_DIR  where a program without a site of its own goes (in this tree:
#                      beside the town's, which runs it with ?program=NAME), or unset
#   GFX_WEB_FONT_URL, GFX_WEB_THEME_COLOUR, GFX_WEB_BACKGROUND_COLOUR,
#   GFX_WEB_CLIENT_WIDTH, GFX_WEB_CLIENT_HEIGHT  the values the templates take

# add_web_program(<target> <sources>...): a program of the page: its sources, the web
# program entry, which runs appMain, and the library. Its .js and .wasm go where
# add_web_site puts its site, else to GFX_WEB_PROGRAM_DIR. Asyncify for the blocking
# wait, the font at the path the renderer opens; the page keeps the script file in the
# browser's storage (page/features/script_file.js).
#
# Asyncify instruments only what can be on the stack while the program is suspended.
# Counting every virtual call as such would instrument all drawing (shapes and vehicles
# are drawn through virtual calls) and make a repaint 40 % slower, so indirect calls
# are not counted (ASYNCIFY_IGNORE_INDIRECT), and the functions that make the suspending
# ones through a virtual call are named (ASYNCIFY_ADD), with every caller up to main,
# since the optimiser inlines each into its caller when it has one only: the library's
# event wait (pumpPass) calls the back end's wait, Backend::take its poll, which gives the
# browser its turn during playback, and gfxGets its dialog.
#
# The rule: a suspending call is made only where every frame above it is instrumented.
# A function of the back end that suspends therefore makes no virtual call on its way to
# the page (the wait takes the page's events itself, never through poll()): an indirect
# call that suspended would leave its caller running on while the stack unwinds, and
# emscripten aborts the program ("invalid state: 1") at the next suspending call.
#
# Binaryen warns of the names it inlined away ("non-matching pattern"); a missing name
# stops the page at its first wait, and every browser test fails.
#
# The stack: 5 MiB, as emscripten gave until 3.1.27 (Debian 12 has 3.1.6); later ones
# give 64 KiB (Debian 13 has 3.1.69), which a program's locals soon outgrow, and an
# overflow corrupts its memory without a word. TOTAL_STACK, the old name, is taken by
# both, the newer in silence.
#
# Size: the page only runs in a browser (no node or worker code), the runtime keeps
# only what the program calls, and the optimiser shrinks the code at link time.
function(add_web_program target)
  if(ARGN)
    add_executable(${target} ${ARGN})
  elseif(TARGET gfx_web_main)
    # A program whose appMain lies in a library it links (the town's): the entry's
    # objects are its sources.
    add_executable(${target} $<TARGET_OBJECTS:gfx_web_main>)
  else()
    message(FATAL_ERROR "add_web_program: name the program's sources")
  endif()
  target_link_libraries(${target} PRIVATE ${GFX_WEB_LINK})
  set_target_properties(${target} PROPERTIES SUFFIX .js LINK_DEPENDS ${GFX_WEB_PRELUDE})
  if(GFX_WEB_PROGRAM_DIR)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GFX_WEB_PROGRAM_DIR})
  endif()
  target_link_options(${target} PRIVATE
    -sASYNCIFY
    -sASYNCIFY_IGNORE_INDIRECT
    "-sASYNCIFY_ADD=main,__original_main,appMain*,gfx::Display::awaitEvent*,gfx::Display::Display*,gfxAwaitEvent*,*pumpPass*,*Backend::take*,gfxGets*"
    -sASYNCIFY_STACK_SIZE=65536
    -sTOTAL_STACK=5242880
    -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1
    -sEXPORTED_FUNCTIONS=_main,_malloc,_free,_gfx_save_recording
    -sENVIRONMENT=web
    -Oz
    -sMALLOC=emmalloc
    "SHELL:--pre-js ${GFX_WEB_PRELUDE}")
endfunction()

# add_web_site(TARGET <program> [TITLE <text>] [DESCRIPTION <text>] [PICTURE_LABEL <text>]
#              [ICON <picture.svg>] [DIRECTORY <folder>])
# TARGET is a program made with add_web_program; its output name (OUTPUT_NAME, else
# the target's name) names the program's files and the site's cache. TITLE heads the
# page and names the installed app, DESCRIPTION says what it is, PICTURE_LABEL names
# the canvas for screen readers, ICON is the site's icon, an SVG picture (drawn at 48,
# 192 and 512 pixels with rsvg-convert, Debian librsvg2-bin; without it the library's
# icon). DIRECTORY: the folder any static web server can serve, by default
# <build>/<output name>-site. The target <program>_site builds it all.
function(add_web_site)
  cmake_parse_arguments(PARSE_ARGV 0 site "" "TARGET;TITLE;DESCRIPTION;PICTURE_LABEL;ICON;DIRECTORY" "")
  if(NOT TARGET "${site_TARGET}")
    message(FATAL_ERROR "add_web_site: TARGET names no target (${site_TARGET})")
  endif()
  get_target_property(SITE_PROGRAM ${site_TARGET} OUTPUT_NAME)
  if(NOT SITE_PROGRAM)
    set(SITE_PROGRAM ${site_TARGET})
  endif()
  if(NOT SITE_PROGRAM MATCHES "^[a-z_]+$")
    message(FATAL_ERROR "add_web_site: the program's name ${SITE_PROGRAM} may have only a-z and _")
  endif()
  set(SITE_TITLE "${SITE_PROGRAM}")
  if(site_TITLE)
    set(SITE_TITLE "${site_TITLE}")
  endif()
  set(SITE_DESCRIPTION "${SITE_TITLE}, an animation drawn with the Fenn's Town graphics library.")
  if(site_DESCRIPTION)
    set(SITE_DESCRIPTION "${site_DESCRIPTION}")
  endif()
  set(SITE_PICTURE_LABEL "${SITE_TITLE}")
  if(site_PICTURE_LABEL)
    set(SITE_PICTURE_LABEL "${site_PICTURE_LABEL}")
  endif()
  # The texts go as they are into the page and its manifest.
  foreach(text SITE_TITLE SITE_DESCRIPTION SITE_PICTURE_LABEL)
    if("${${text}}" MATCHES "[\"<>&\\]")
      message(FATAL_ERROR "add_web_site: ${${text}}: the texts may not hold \" < > & or \\")
    endif()
  endforeach()
  set(dir ${CMAKE_BINARY_DIR}/${SITE_PROGRAM}-site)
  if(site_DIRECTORY)
    set(dir ${site_DIRECTORY})
  endif()
  set_target_properties(${site_TARGET} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dir})

  # The page's code, the font and its licence: the same files in every site.
  set(outputs)
  set(shared gfx-page.js ${GFX_WEB_FONT_URL} fonts/LICENSE.txt)
  set(icons icons/icon-48.png icons/icon-192.png icons/icon-512.png)
  if(NOT site_ICON)
    list(APPEND shared ${icons})
  endif()
  foreach(f IN LISTS shared)
    add_custom_command(
      OUTPUT ${dir}/${f}
      COMMAND ${CMAKE_COMMAND} -E copy ${GFX_WEB_SHARED}/${f} ${dir}/${f}
      DEPENDS ${GFX_WEB_SHARED}/${f})
    list(APPEND outputs ${dir}/${f})
  endforeach()
  # The program's own icon, drawn at each size the page and its manifest name.
  if(site_ICON)
    get_filename_component(icon ${site_ICON} ABSOLUTE)
    if(NOT icon MATCHES "\\.svg$" OR NOT EXISTS ${icon})
      message(FATAL_ERROR "add_web_site: ICON ${site_ICON} is no SVG picture")
    endif()
    find_program(GFX_WEB_RSVG_CONVERT rsvg-convert REQUIRED
                 DOC "SVG rasteriser for a site's icon (Debian librsvg2-bin)")
    foreach(f IN LISTS icons)
      string(REGEX MATCH "[0-9]+" size ${f})
      add_custom_command(
        OUTPUT ${dir}/${f}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/icons
        COMMAND ${GFX_WEB_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/${f} ${icon}
        DEPENDS ${icon})
      list(APPEND outputs ${dir}/${f})
    endforeach()
  endif()
  foreach(f IN ITEMS index.html gfx-page.css manifest.webmanifest)
    configure_file(${GFX_WEB_TEMPLATES}/${f} ${dir}/${f} @ONLY)
    list(APPEND outputs ${dir}/${f})
  endforeach()

  # The service worker keeps the files of this build, in a cache named by their digest.
  # The program's .js and .wasm are the link's outputs: the dependency on the target
  # stands for both (naming the .wasm as a file would ask for a rule that makes it).
  set(kept_names)
  foreach(f IN LISTS outputs ITEMS ${dir}/${SITE_PROGRAM}.js ${dir}/${SITE_PROGRAM}.wasm)
    file(RELATIVE_PATH name ${dir} ${f})
    list(APPEND kept_names ${name})
  endforeach()
  add_custom_command(
    OUTPUT ${dir}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${dir} "-DFILES=${kept_names}" -DPROGRAM=${SITE_PROGRAM}
            -DTEMPLATE=${GFX_WEB_TEMPLATES}/service_worker.js -P ${GFX_WEB_SW_SCRIPT}
    DEPENDS ${outputs} ${site_TARGET} ${GFX_WEB_TEMPLATES}/service_worker.js ${GFX_WEB_SW_SCRIPT}
    VERBATIM)
  add_custom_target(${site_TARGET}_site ALL DEPENDS ${dir}/sw.js)
  if(GFX_WEB_SHARED_TARGET)
    add_dependencies(${site_TARGET}_site ${GFX_WEB_SHARED_TARGET})
  endif()
endfunction()
