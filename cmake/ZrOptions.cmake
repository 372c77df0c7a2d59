# Compiler settings shared by every target of the project.
add_library(zr_options INTERFACE)
target_compile_options(zr_options INTERFACE -Wall -Wextra)
# GCC 12 reports "literal" + std::string as an overlapping memcpy at -O2 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(zr_options INTERFACE -Wno-restrict)
endif()
target_include_directories(zr_options INTERFACE ${PROJECT_SOURCE_DIR})

if(ZR_SANITIZE)
    set(ZR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${ZR_SANITIZER_FLAGS})
    add_link_options(${ZR_SANITIZER_FLAGS})
    # Over a hundred test programs each carry the libraries they link: line tables are all a
    # sanitizer report needs, compressed, and position-dependent programs need no table of the
    # sanitizers' many data relocations. That keeps the build within a CI machine's disk.
    add_compile_options(-g1 -gz)
    add_link_options(-Wl,--compress-debug-sections=zlib -no-pie)
endif()

if(ZR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ZR_FUZZ needs clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# One library per source folder: every .cpp in it, headers beside them. Further arguments name
# subfolders that are libraries of their own and are left out.
function(zr_add_library name dir)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/ui/")
    foreach(subfolder ${ARGN})
        list(FILTER sources EXCLUDE REGEX "^${dir}/${subfolder}/")
    endforeach()
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC zr_options)
endfunction()

# Repeated builds of the same sources (several work trees, clean CI clones) reuse objects.
find_program(ZR_CCACHE ccache)
if(ZR_CCACHE)
    set(CMAKE_C_COMPILER_LAUNCHER ${ZR_CCACHE})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${ZR_CCACHE})
endif()

# Windows: wxWidgets, linked only by the ui/ folders' libraries and the programs.
find_package(wxWidgets REQUIRED COMPONENTS html core base)
add_library(zr_wx INTERFACE)
target_include_directories(zr_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(zr_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(zr_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(zr_wx INTERFACE ${wxWidgets_LIBRARIES})
# The embedded browser and the media player, for the windows that show web pages or play sound.
find_package(wxWidgets REQUIRED COMPONENTS webview media html core base)
add_library(zr_wx_web INTERFACE)
target_link_libraries(zr_wx_web INTERFACE zr_wx ${wxWidgets_LIBRARIES})

# The windows of a source folder: every .cpp of its ui/ folder, over the given libraries.
function(zr_add_ui_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/ui/*.cpp)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC zr_options zr_wx ${ARGN})
endfunction()
