# Cross-compiling the engine for 64-bit Windows with mingw-w64 (Debian's
# g++-mingw-w64-x86-64-posix: the posix thread model, which std::thread and
# std::mutex need). Used by `make windows`:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NORVEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NORVEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NORVEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${NORVEL_MINGW_PREFIX}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${NORVEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: the C++ runtime, libgcc and winpthread linked in,
# so that Stalvora2.exe needs no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run the programs under wine64 (not on PATH in Debian).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
