# add_cp936_texts(<target> <table> <namespace>)
# Generates <table-name>.h (code page 936 byte strings) from a UTF-8 `name = text` table
# and adds its directory to <target>'s include path.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(add_cp936_texts target table namespace)
    get_filename_component(stem "${table}" NAME_WE)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/generated")
    set(header "${out_dir}/${stem}_texts.h")
    add_custom_command(
        OUTPUT "${header}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
        COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/tools/cp936_texts.py"
                "${CMAKE_CURRENT_SOURCE_DIR}/${table}" "${header}" "${namespace}"
        DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${table}" "${PROJECT_SOURCE_DIR}/tools/cp936_texts.py"
        COMMENT "Code page 936 texts from ${table}"
        VERBATIM)
    target_sources(${target} PRIVATE "${header}")
    target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
