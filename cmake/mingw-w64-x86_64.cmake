# Cross-compiles the libraries without Qt, yardmark-cli and their tests for
# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix); ctest
# runs the .exe files under Wine (wine64). Used by `make windows-test`, with
# the Qt for Windows and the host's Qt tools:
#   cmake -S . -B build/windows --toolchain cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH=<Qt for Windows> -DQT_HOST_PATH=/usr \
#         -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
# or, for the libraries without Qt and yardmark-cli alone, -DYARDMARK_BUILD_APP=OFF.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(YARDMARK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${YARDMARK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${YARDMARK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${YARDMARK_MINGW}-windres)

# Libraries and headers come from the MinGW tree only, never from the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${YARDMARK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(CMAKE_PREFIX_PATH)
    # A Qt made for Windows (scripts/windows-qt) is found in its own folder.
    # Its DLLs use the compiler's runtime DLLs, kept beside them: the programs
    # link the same ones, so that one C++ runtime serves both.
    list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
else()
    # Self-contained executables: no libstdc++, libgcc or winpthread DLLs to
    # ship beside them or to find under Wine.
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# ctest (and anything else that runs a built program) goes through Wine.
find_program(YARDMARK_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine NO_CMAKE_FIND_ROOT_PATH)
if(YARDMARK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${YARDMARK_WINE})
endif()

# The header-only libraries and GoogleTest's sources as Debian ships them for
# the build host (nlohmann-json3-dev, libcli11-dev, libgtest-dev); see
# cmake/HostHeaderLibraries.cmake.
set(YARDMARK_HOST_HEADERS /usr/include CACHE PATH "Folder holding the host's CLI/ and nlohmann/ headers")
set(YARDMARK_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
