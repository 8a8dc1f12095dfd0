# SPDX-License-Identifier: MIT
# What `cmake --install` puts where: the launcher that the desktop entry starts, the icon,
# the desktop entry, the AppStream metainfo, and the copyright and changelog that Debian
# expects beside every package. The programs, the manual and the manual pages are
# installed beside their targets (app, cli, tools/manual, docs/man), with the folders and
# quorvel_install_program() from here.
include(GNUInstallDirs)

set(QUORVEL_APP_ID io.github.quorvel.Quorvel)
set(QUORVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/quorvel)

# The launcher finds the manual relative to itself, so one script serves every prefix.
file(RELATIVE_PATH QUORVEL_LAUNCHER_DATA_DIR
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quorvel)
configure_file(${PROJECT_SOURCE_DIR}/packaging/quorvel-launcher.in
    ${CMAKE_BINARY_DIR}/quorvel-launcher @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${QUORVEL_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml @ONLY)

install(PROGRAMS ${CMAKE_BINARY_DIR}/quorvel-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUORVEL_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUORVEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The package is named quorvel, so its documents are not under the project's name.
set(QUORVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
find_program(QUORVEL_GZIP gzip REQUIRED)
set(changelog ${CMAKE_BINARY_DIR}/changelog)
# -n leaves out the name and time, which would differ from build to build.
add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
    COMMAND ${QUORVEL_GZIP} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(quorvel_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}.gz
    DESTINATION ${QUORVEL_DOC_DIR})
# Lintian's answers to what it would otherwise flag, each with its reason: only for the
# Debian package (see Package.cmake), not for `make install`.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorvel
    COMPONENT debian EXCLUDE_FROM_ALL)

# quorvel_install_program(<target>): a program into bin, called where the target is made.
# The programs link only system libraries, so the installed copies need no run path of
# their own. Their symbols are bound at start-up, so that the relocation table can be
# read-only from then on (under 1 ms of start-up). A stripped install (the package) also
# drops the compilers' notes, as Debian's own tools do.
function(quorvel_install_program program)
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
    set_property(TARGET ${program} APPEND PROPERTY LINK_OPTIONS LINKER:-z,relro,-z,now)
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
            --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()
