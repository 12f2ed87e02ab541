# TagLib for the Windows program: Debian has no mingw build of it, so its
# source package is fetched (scripts/fetch-taglib-source.sh) and built here,
# static, with the project's toolchain. It is built once per build folder;
# later builds of the tool only check its stamps.
include(ExternalProject)

set(taglib_root ${CMAKE_BINARY_DIR}/taglib)
set(taglib_install ${taglib_root}/install)
set(taglib_library ${taglib_install}/lib/libtag.a)
set(launcher)
if(CMAKE_CXX_COMPILER_LAUNCHER)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
ExternalProject_Add(taglib_windows
    PREFIX ${taglib_root}
    SOURCE_DIR ${taglib_root}/debian/source
    DOWNLOAD_COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-taglib-source.sh ${taglib_root}/debian
    # Debian's patch has tstring.cpp include <utf8/checked.h> from its own
    # utf8-cpp package: it gets the copy TagLib bundles under that name.
    PATCH_COMMAND ${CMAKE_COMMAND} -E make_directory ${taglib_root}/utf8-include
          COMMAND ${CMAKE_COMMAND} -E create_symlink ${taglib_root}/debian/source/3rdparty/utf8-cpp
                  ${taglib_root}/utf8-include/utf8
    UPDATE_COMMAND ""
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=${taglib_install}
        -DCMAKE_CXX_FLAGS=-I${taglib_root}/utf8-include
        ${launcher}
        -DBUILD_SHARED_LIBS=OFF
        # Without zlib: the exe would need zlib1.dll beside it.
        -DWITH_ZLIB=OFF
        -DBUILD_TESTING=OFF
        -DBUILD_EXAMPLES=OFF
        -DBUILD_BINDINGS=OFF
    BUILD_BYPRODUCTS ${taglib_library}
)

add_library(tavrosk_taglib INTERFACE)
add_dependencies(tavrosk_taglib taglib_windows)
# System headers: the project's warnings-as-errors do not reach into them.
target_include_directories(tavrosk_taglib SYSTEM INTERFACE ${taglib_install}/include)
target_link_libraries(tavrosk_taglib INTERFACE ${taglib_library})
target_compile_definitions(tavrosk_taglib INTERFACE TAGLIB_STATIC)
