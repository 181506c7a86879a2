# Shared part of the mingw-w64 cross builds (posix threads variant, so that std::thread and
# std::mutex exist). The including file sets HOTLIST_MINGW_TRIPLE and the processor.
# Executables are linked statically and need no runtime DLLs beside them.
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
