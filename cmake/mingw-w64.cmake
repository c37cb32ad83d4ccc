# Cross-builds the Windows vantrel.exe (64-bit) on Linux with MinGW-w64
# (Debian's g++-mingw-w64-x86-64-posix):
#   cmake --preset windows     (CMakePresets.json: build/windows), or
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs are linked statically, so vantrel.exe and the test programs
# run on a bare Windows (or under wine) without any MinGW DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTREL_MINGW_PREFIX x86_64-w64-mingw32)
# The posix flavour: its libstdc++ has the whole C++11 thread library
# (std::mutex and friends), which the win32 flavour of GCC 12 lacks.
set(CMAKE_C_COMPILER ${VANTREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTREL_MINGW_PREFIX}-windres)
set(CMAKE_AR ${VANTREL_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VANTREL_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

# Look for libraries and headers only in the MinGW tree, never in the host's:
# the host's GoogleTest is built for Linux and cannot be linked here.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the test programs under wine (CMAKE_CROSSCOMPILING_EMULATOR),
# in a prefix of the build folder's own that its first start makes (about
# 15 s); Mono and Gecko are not wanted. scripts/windows-check and
# scripts/package use the same prefix.
find_program(VANTREL_WINE wine)
if(NOT VANTREL_WINE)
  set(VANTREL_WINE wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_COMMAND};-E;env;WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all;WINEARCH=win64;WINEDLLOVERRIDES=mscoree,mshtml=;${VANTREL_WINE}")
