# Fails when a core source includes anything but its own headers and the C++ standard library.
cmake_minimum_required(VERSION 3.25)
set(allowed
    algorithm array atomic bit cassert cctype cerrno charconv chrono climits cmath compare
    concepts cstddef cstdint cstdio cstdlib cstring deque functional initializer_list iterator
    limits map memory new numeric optional set span string string_view system_error tuple
    type_traits unordered_map unordered_set utility variant vector)
set(failures "")
foreach(subsystem text web app skin)
    file(GLOB_RECURSE files "${SOURCE_DIR}/src/${subsystem}/*.h" "${SOURCE_DIR}/src/${subsystem}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*<")
        foreach(line ${lines})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*" "\\1" header "${line}")
            if(NOT header IN_LIST allowed)
                string(APPEND failures "${file}: <${header}>\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "Core sources include headers outside the standard library:\n${failures}")
endif()
