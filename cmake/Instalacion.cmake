# Installation and the Debian package.
#
# The help button looks for Help_Trabina.pdf in the directory of the program
# file itself, so the program and its guide live together in a private folder,
# lib/trabina, and bin/trabina is a relative link to it (Qt finds its own
# directory through /proc/self/exe, past the link). Windows keeps both in bin.

if(WIN32)
    set(TRABINA_DIR_PROGRAMA ${CMAKE_INSTALL_BINDIR})
else()
    set(TRABINA_DIR_PROGRAMA lib/trabina)
endif()

install(TARGETS trabina RUNTIME DESTINATION ${TRABINA_DIR_PROGRAMA})
install(FILES ${TRABINA_AYUDA_PDF} DESTINATION ${TRABINA_DIR_PROGRAMA})

if(NOT WIN32)
    file(RELATIVE_PATH enlace_destino /${CMAKE_INSTALL_BINDIR} /${TRABINA_DIR_PROGRAMA}/trabina)
    set(enlace ${PROJECT_BINARY_DIR}/instalacion/trabina)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/instalacion)
    file(CREATE_LINK ${enlace_destino} ${enlace} SYMBOLIC)
    install(FILES ${enlace} DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/data/trabina.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/data/trabina.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    # Software centres find the program by its AppStream id, the file's name.
    install(FILES ${PROJECT_SOURCE_DIR}/data/trabina.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.example.trabina.metainfo.xml)

    # What Debian asks of every package: the copyright and a compressed
    # changelog in the package's documentation folder.
    set(changelog ${PROJECT_BINARY_DIR}/instalacion/changelog.gz)
    add_custom_command(OUTPUT ${changelog}
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog}
        DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog VERBATIM)
    add_custom_target(registro_cambios ALL DEPENDS ${changelog})
    install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${changelog}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trabina)
endif()

# `cpack -G DEB` in the build directory makes trabina_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME trabina)
set(CPACK_PACKAGE_VENDOR "Taller de Estructuras")
set(CPACK_PACKAGE_CONTACT "Equipo Trabina <trabina@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Análisis didáctico de cerchas planas por el método de los nodos")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vexo.Parvu.Trabina dibuja una cercha plana de nudos articulados (nodos,\n"
    "barras, apoyos y cargas puntuales), plantea las ecuaciones de equilibrio\n"
    "de cada nodo, las resuelve por eliminación de Gauss y muestra el esfuerzo\n"
    "axial de cada barra, la matriz de cálculo y las reacciones. Incluye una\n"
    "guía del usuario en PDF.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libfontconfig1")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
endif()
include(CPack)
