# hotlist_warnings(<target>): the project's warning set for its own code.
function(hotlist_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
endfunction()
