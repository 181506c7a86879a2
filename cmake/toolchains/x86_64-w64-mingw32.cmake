# Cross build for x86_64 Windows with Debian's mingw-w64 compilers (posix threads variant, so
# that std::thread and std::mutex exist). Executables are linked statically and need no
# runtime DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(HOTLIST_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${HOTLIST_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HOTLIST_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HOTLIST_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HOTLIST_MINGW_TRIPLE})
# Build tools (python3 for the code page 936 texts) come from the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
