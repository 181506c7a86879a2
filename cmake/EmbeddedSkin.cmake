# add_embedded_skin(<target> <description> <size>)
# Compiles a readable skin description into embedded_skin_data.h (the skin as a byte array
# of exactly <size> bytes) and embedded.she, and adds the header's directory to <target>.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(add_embedded_skin target description size)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/generated")
    set(header "${out_dir}/embedded_skin_data.h")
    set(binary "${out_dir}/embedded.she")
    add_custom_command(
        OUTPUT "${header}" "${binary}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
        COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/tools/make_skin.py"
                "${CMAKE_CURRENT_SOURCE_DIR}/${description}" ${size} "${header}"
                hotlist::skin_data "${binary}"
        DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${description}"
                "${PROJECT_SOURCE_DIR}/tools/make_skin.py"
        COMMENT "Embedded skin from ${description}"
        VERBATIM)
    target_sources(${target} PRIVATE "${header}")
    target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
