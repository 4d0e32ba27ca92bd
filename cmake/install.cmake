# Installation as a desktop application, and the Debian package made from it.
#
#   bin/                              kzsorawa, kzsorawa-engine (games/ in the Debian package)
#   share/kzsorawa/                   the six wave files
#   share/applications/               the desktop entry
#   share/icons/hicolor/NxN/apps/     the icon at 48, 64, 128 and 256
#   share/metainfo/                   the AppStream metainfo
#   share/man/man6/                   the manual pages of both programs
#   share/doc/kzsorawa/               the copyright file and the changelog
include(GNUInstallDirs)

install(TARGETS kzsorawa kzsorawa-engine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KZ_WAVE_PATHS} DESTINATION ${CMAKE_INSTALL_DATADIR}/kzsorawa)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KZ_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${KZ_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KZ_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The manual pages and the changelog are installed compressed, as Debian wants them: gzip -9n
# leaves out the name and the time, so the same sources give the same bytes.
set(kz_gzipped_dir ${CMAKE_BINARY_DIR}/gzipped)
set(kz_man_pages)
foreach(source IN ITEMS data/man/kzsorawa.6 data/man/kzsorawa-engine.6 data/package/changelog)
    get_filename_component(name ${source} NAME)
    set(gzipped ${kz_gzipped_dir}/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${kz_gzipped_dir}
        COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/${source} > ${gzipped}
        DEPENDS ${CMAKE_SOURCE_DIR}/${source}
        VERBATIM)
    if(name MATCHES "\\.6$")
        list(APPEND kz_man_pages ${gzipped})
    else()
        set(kz_changelog ${gzipped})
    endif()
endforeach()
add_custom_target(kz_gzipped ALL DEPENDS ${kz_man_pages} ${kz_changelog})
install(FILES ${kz_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/data/package/copyright ${kz_changelog}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME kzsorawa)
set(CPACK_PACKAGE_VENDOR "KZ ソラワ developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi army against a Chinese chess army on a 9×9 board")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KZ ソラワ is a board game in which a shogi army, with its promotions and
drops, fights a Chinese chess army on the 9×9 shogi board. Play against
the computer at four levels, or two people at one mouse.

Games can be stepped back and forth, saved and loaded as game records, and
a game in progress is kept safe: if the program ends in the middle of a
game, it is offered again at the next start.

The package also holds kzsorawa-engine, the rules and the computer player
on standard input and output, for scripts and other programs.")
set(CPACK_PACKAGE_CONTACT "KZ ソラワ developers <kzsorawa@example.jp>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# A game's programs go to /usr/games in the package (`cmake --install` keeps bin/), stripped of
# the compiler's notes too.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_games.cmake)
set(CPACK_KZ_STRIP ${CMAKE_STRIP})
# The libraries the programs link come from dpkg-shlibdeps; the Qt platform plugins that show the
# window and the Japanese font the pieces are painted with are not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
# Qt's own texts (the standard buttons) in Japanese; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
