# Cross-building for 64-bit Windows on Debian with mingw-w64 (GCC, posix threads, which
# std::thread needs). Used for the game and for the libraries it ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KQ_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KQ_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KQ_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KQ_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${KQ_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${KQ_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers only from the Windows side (and the prefixes given on the command line);
# programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KQ_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
