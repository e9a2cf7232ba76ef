# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX thread model, which
# C++20's std::thread and Qt need). Used for Qt's own build and for the program's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(K4_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${K4_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${K4_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${K4_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${K4_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the C++ runtime and the thread library inside, so the zip needs no DLL
# beyond the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
