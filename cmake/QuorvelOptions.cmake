# SPDX-License-Identifier: MIT
# Compile settings shared by every target of the tree.
add_library(quorvel_options INTERFACE)
# Warnings for the compilers that know these flags; the presets turn them into errors
# through CMAKE_COMPILE_WARNING_AS_ERROR, so a local build with a newer compiler still builds.
target_compile_options(quorvel_options INTERFACE
    "$<$<CXX_COMPILER_ID:GNU,Clang>:-Wall;-Wextra;-Wpedantic;-Wshadow>")
# Results depend on exact single-precision arithmetic: keep the compiler from contracting or reassociating.
target_compile_options(quorvel_options INTERFACE -ffp-contract=off -fno-fast-math)
target_compile_definitions(quorvel_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS
    # A connection without a context object outlives its receiver; newer Qt refuses it.
    QT_NO_CONTEXTLESS_CONNECT)

# quorvel_library(<name> SOURCES ... [PUBLIC ...] [PRIVATE ...]): one static library per
# folder. PUBLIC: what its headers include; PRIVATE: what only its sources use.
# tools/check-layering keeps the includes to the folders' layers.
function(quorvel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE} quorvel_options)
endfunction()
