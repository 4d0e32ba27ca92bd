# Installation as a desktop application, and the Debian package made from it.
#
#   bin/                              kzsorawa, kzsorawa-engine
#   share/kzsorawa/                   the six wave files
#   share/applications/               the desktop entry
#   share/icons/hicolor/NxN/apps/     the icon at 48, 64, 128 and 256
#   share/metainfo/                   the AppStream metainfo
include(GNUInstallDirs)

install(TARGETS kzsorawa kzsorawa-engine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KZ_WAVE_PATHS} DESTINATION ${CMAKE_INSTALL_DATADIR}/kzsorawa)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KZ_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KZ_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KZ_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

set(CPACK_PACKAGE_NAME kzsorawa)
set(CPACK_PACKAGE_VENDOR "KZ ソラワ")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A shogi army against a Chinese chess army on a 9×9 board")
set(CPACK_PACKAGE_CONTACT "KZ ソラワ")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link come from dpkg-shlibdeps; the Qt platform plugins that show the
# window and the Japanese font the pieces are painted with are not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
