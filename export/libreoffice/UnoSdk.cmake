# Finds the LibreOffice SDK and office, generates the C++ headers of the UNO
# types from the office's type libraries at build time, and offers them as
# the interface target tavrosk_uno (headers as SYSTEM, SDK defines, UNO libs).

set(TAVROSK_LO_PROGRAM_DIR "/usr/lib/libreoffice/program" CACHE PATH
    "LibreOffice's program folder (holds unorc, types.rdb and soffice)")
set(TAVROSK_LO_SDK_DIR "/usr/lib/libreoffice/sdk" CACHE PATH
    "LibreOffice SDK folder (Debian package libreoffice-dev)")

set(_types_rdb "${TAVROSK_LO_PROGRAM_DIR}/types.rdb")
set(_offapi_rdb "${TAVROSK_LO_PROGRAM_DIR}/types/offapi.rdb")
foreach(_file IN ITEMS "${_types_rdb}" "${_offapi_rdb}" "${TAVROSK_LO_PROGRAM_DIR}/unorc")
    if(NOT EXISTS "${_file}")
        message(FATAL_ERROR "${_file} is missing: install libreoffice-calc "
            "or set TAVROSK_LO_PROGRAM_DIR")
    endif()
endforeach()

find_program(TAVROSK_CPPUMAKER cppumaker HINTS "${TAVROSK_LO_SDK_DIR}/bin" REQUIRED)
find_path(TAVROSK_UNO_SDK_INCLUDE sal/config.h
    HINTS "${TAVROSK_LO_SDK_DIR}/include" /usr/include/libreoffice REQUIRED)

set(_uno_libs "")
foreach(_name IN ITEMS uno_cppuhelpergcc3 uno_salhelpergcc3 uno_cppu uno_sal)
    find_library(TAVROSK_LIB_${_name} ${_name} HINTS "${TAVROSK_LO_SDK_DIR}/lib" REQUIRED)
    list(APPEND _uno_libs "${TAVROSK_LIB_${_name}}")
endforeach()

# cppumaker needs an absolute output folder.
set(_generated "${CMAKE_CURRENT_BINARY_DIR}/uno-include")
set(_stamp "${_generated}/.generated")
add_custom_command(OUTPUT "${_stamp}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${_generated}"
    COMMAND "${TAVROSK_CPPUMAKER}" -Gc "-O${_generated}" "${_types_rdb}" "${_offapi_rdb}"
    COMMAND "${CMAKE_COMMAND}" -E touch "${_stamp}"
    DEPENDS "${_types_rdb}" "${_offapi_rdb}"
    COMMENT "Generating the C++ headers of the UNO types"
    VERBATIM)
add_custom_target(tavrosk_uno_headers DEPENDS "${_stamp}")

add_library(tavrosk_uno INTERFACE)
target_include_directories(tavrosk_uno SYSTEM INTERFACE "${_generated}" "${TAVROSK_UNO_SDK_INCLUDE}")
target_compile_definitions(tavrosk_uno INTERFACE LINUX UNX CPPU_ENV=gcc3
    "TAVROSK_LO_PROGRAM_DIR=\"${TAVROSK_LO_PROGRAM_DIR}\"")
target_link_libraries(tavrosk_uno INTERFACE ${_uno_libs})
# The bridge's proxies of remote objects have vtables made at run time, not
# C++ objects with type information, which UBSan's vptr check rejects.
if(TAVROSK_SANITIZE)
    target_compile_options(tavrosk_uno INTERFACE -fno-sanitize=vptr)
endif()
# The UNO libraries need the office's own libraries (libreglo.so, ...),
# which are only in its program folder: the programs load them from there.
target_link_options(tavrosk_uno INTERFACE
    "LINKER:-rpath-link,${TAVROSK_LO_PROGRAM_DIR}" "LINKER:-rpath,${TAVROSK_LO_PROGRAM_DIR}")
add_dependencies(tavrosk_uno tavrosk_uno_headers)
