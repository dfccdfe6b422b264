# The Debian package: `cpack -G DEB` in the build folder makes tarquel_<version>_amd64.deb with the
# install rules' files under /usr, the executable stripped. `apt install ./tarquel_….deb` brings
# what it needs to run: the libraries it links (read from the executable) and what Qt loads at run
# time, which the executable does not name: the SQLite driver of Qt's Sql module, the platform
# plugins without which no window opens, and the Spanish texts of Qt's own dialogs. What opens the
# documents and the agency's page is recommended: without it the program says so.

set(CPACK_PACKAGE_NAME tarquel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarquel")
set(TARQUEL_CONTACTO "Desarrolladores de Tarquel <tarquel@example.org>" CACHE STRING
    "Who answers for the Debian package (its Maintainer field)")
set(CPACK_PACKAGE_CONTACT "${TARQUEL_CONTACTO}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "declaraciones juradas de retenciones y percepciones de Ingresos Brutos")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Programa de escritorio para los agentes de recaudación del impuesto provincial
sobre los ingresos brutos. Por agente, sucursal, régimen y mes lleva la
declaración jurada de las retenciones y percepciones practicadas, imprime los
comprobantes, escribe el archivo de la declaración que el agente presenta e
imprime la boleta de pago con su código de barras.")
# The package's files are installed for /usr (and put in the package through DESTDIR), so the menu
# entry names /usr/bin/tarquel.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package installs the component that holds every file, so its install keeps a list of its
# own (install_manifest_tarquel.txt): build/install_manifest.txt stays the one of the user's
# install, which is how the user removes it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Tarquel;tarquel;/")
# Packing takes the program as built; it does not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer | abiword")

# What every package carries in its documents folder: who holds the rights, and the changes by
# version (compressed, as Debian wants it).
string(TIMESTAMP TARQUEL_FECHA_PAQUETE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${CMAKE_BINARY_DIR}/paquete/changelog
     "tarquel (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Versión ${PROJECT_VERSION}.\n\n"
     " -- ${TARQUEL_CONTACTO}  ${TARQUEL_FECHA_PAQUETE}\n")
file(ARCHIVE_CREATE OUTPUT ${CMAKE_BINARY_DIR}/paquete/changelog.gz
     PATHS ${CMAKE_BINARY_DIR}/paquete/changelog FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
install(FILES resources/copyright ${CMAKE_BINARY_DIR}/paquete/changelog.gz
        DESTINATION ${TARQUEL_DOCUMENTOS} COMPONENT tarquel)

include(CPack)
