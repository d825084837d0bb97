# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64). Its
# long double is the same 80-bit extended type as GCC's on x86-64 Linux, which the engine
# needs. The posix thread model gives the full standard library (std::thread, std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTRONA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTRONA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRONA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRONA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELTRONA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked, the programs need no MinGW DLLs beside them, under Wine or on Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The test programs run under Wine: ctest starts each one through it.
find_program(VELTRONA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELTRONA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTRONA_WINE})
endif()
