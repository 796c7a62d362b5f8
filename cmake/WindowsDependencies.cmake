# What the Windows build takes from Debian without a MinGW build of its own: the
# header-only CLI11 and GoogleTest's sources (Debian's googletest), built here with the
# cross compiler. giflib has no MinGW build in Debian: the Windows programs write and
# read no GIF pictures, and say so when asked for one.
#
# The build machine's /usr/include is never an include folder of the cross build (its C
# library's headers are Linux's): CLI11's folder is reached through a link of its own.
set(cli11_folder ${CMAKE_BINARY_DIR}/include/cli11)
if(NOT EXISTS ${cli11_folder}/CLI)
  if(NOT EXISTS /usr/include/CLI/CLI.hpp)
    message(FATAL_ERROR "CLI11's headers are missing (Debian libcli11-dev)")
  endif()
  file(MAKE_DIRECTORY ${cli11_folder})
  file(CREATE_LINK /usr/include/CLI ${cli11_folder}/CLI SYMBOLIC)
endif()
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${cli11_folder})
set(CLI11_FOUND TRUE)

if(TOWN_BUILD_TESTS)
  if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's sources are missing (Debian googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock gmock_main)
    # Not the project's code: not held to its warnings.
    target_compile_options(${lib} PRIVATE -w)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
  set(GTest_FOUND TRUE)
endif()

# The tests run in one Wine prefix in the build folder, made once a run of the tests
# (tests/windows): every program started under Wine by CTest runs in it.
set(GFX_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "The Wine prefix the Windows tests run in")
set(GFX_WINE_ENVIRONMENT WINEPREFIX=${GFX_WINE_PREFIX} WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR env ${GFX_WINE_ENVIRONMENT} ${GFX_WINE})
