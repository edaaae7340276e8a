# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (POSIX threads)
# against the Qt and libsodium that scripts/bootstrap-windows builds. The cache
# folder it prints is passed as ROWSMITH_WINDOWS_CACHE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

if(NOT ROWSMITH_WINDOWS_CACHE)
  set(ROWSMITH_WINDOWS_CACHE "$ENV{ROWSMITH_WINDOWS_CACHE}")
endif()
if(NOT ROWSMITH_WINDOWS_CACHE)
  set(ROWSMITH_WINDOWS_CACHE "$ENV{HOME}/.cache/rowsmith-windows")
endif()
set(ROWSMITH_WINDOWS_CACHE "${ROWSMITH_WINDOWS_CACHE}" CACHE PATH "Qt and libsodium built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROWSMITH_WINDOWS_CACHE)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${ROWSMITH_WINDOWS_CACHE}/qt5-win64
  ${ROWSMITH_WINDOWS_CACHE}/sodium-win64)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Translations are compiled by the host's lrelease: qttools is not cross-built.
set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools CACHE PATH "")
# libsodium's .pc file of the Windows build, not the host's.
set(ENV{PKG_CONFIG_LIBDIR} ${ROWSMITH_WINDOWS_CACHE}/sodium-win64/lib/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Tests and tools built here run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
