# CORBA stubs: omniidl turns an IDL file into C++ in the build tree, and a library of the
# generated code carries the ORB's include paths and libraries to whoever links it.
find_package(PkgConfig REQUIRED)
pkg_check_modules(OMNIORB REQUIRED IMPORTED_TARGET omniORB4 omnithread4)
find_program(ZR_OMNIIDL omniidl REQUIRED)

# zr_add_idl_library(name file.idl): the generated header is included as
# "<folder of the IDL relative to the repository root>/<file>.hh".
function(zr_add_idl_library name idl)
    get_filename_component(base ${idl} NAME_WE)
    get_filename_component(source ${idl} ABSOLUTE)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(out ${PROJECT_BINARY_DIR}/generated/${folder})
    add_custom_command(
        OUTPUT ${out}/${base}.hh ${out}/${base}SK.cc
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
        COMMAND ${ZR_OMNIIDL} -bcxx -C${out} ${source}
        DEPENDS ${source}
        COMMENT "omniidl ${folder}/${base}.idl"
        VERBATIM)
    add_library(${name} STATIC ${out}/${base}SK.cc ${out}/${base}.hh)
    # Generated code is not ours to keep warning-free; its header is included as a system one.
    set_source_files_properties(${out}/${base}SK.cc PROPERTIES COMPILE_OPTIONS -w)
    target_include_directories(${name} SYSTEM PUBLIC ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(${name} PUBLIC PkgConfig::OMNIORB)
endfunction()
