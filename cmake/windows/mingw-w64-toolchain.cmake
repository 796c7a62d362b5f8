# Programs of one's own for 64-bit Windows, built on Linux with MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix: POSIX threads, as the library was built), against the
# library unpacked at KIT:
#   cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=KIT/share/fenns-town-gfx/mingw-w64-toolchain.cmake \
#         -DCMAKE_PREFIX_PATH=KIT
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Headers and libraries are the cross compiler's, never the build machine's; packages
# are also looked for where CMAKE_PREFIX_PATH says, as it says.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
