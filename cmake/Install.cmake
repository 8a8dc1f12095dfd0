# What `cmake --install` puts where: the two programs, the launcher that the desktop entry
# starts, the manual, the icon, the desktop entry and the AppStream metainfo.
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
install(FILES ${QUORVEL_MANUAL_PDF} DESTINATION ${QUORVEL_DATA_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUORVEL_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUORVEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The programs are installed once every folder has been read, whichever defines them.
# They link only system libraries, so the installed copies need no run path of their own.
function(quorvel_install_programs)
    foreach(program quorvel quorvel-chart)
        if(TARGET ${program})
            set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
            install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL quorvel_install_programs)
