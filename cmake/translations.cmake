# The English translation: translations/kzsorawa_en.ts, with the Japanese texts of the sources
# as its source texts. Texts are marked in the code with platform::translated(context, source),
# platform::translatedQ(context, source) or KZ_TEXT(context, source).
#
#   kz_update_translations   collects the marked texts into the .ts (new ones come unfinished)
#   translations_complete    (a test, tests/CMakeLists.txt) fails while the .ts lacks a marked
#                            text or leaves one unfinished

set(KZ_TS_FILE ${CMAKE_SOURCE_DIR}/translations/kzsorawa_en.ts)
set(KZ_TRANSLATED_FOLDERS app flow view settings platform record tools)
set(KZ_LUPDATE_OPTIONS
    -tr-function-alias translate+=translated,translate+=translatedQ,QT_TRANSLATE_NOOP+=KZ_TEXT
    -extensions cpp,h -locations none -no-obsolete -no-ui-lines
    -source-language ja -target-language en)

# Debian's qt6-l10n-tools brings the tools without their CMake package.
set(kz_qt_tools ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}
    /usr/lib/qt6/bin)
find_program(KZ_LUPDATE lupdate HINTS ${kz_qt_tools} NO_DEFAULT_PATH REQUIRED)
find_program(KZ_LRELEASE lrelease HINTS ${kz_qt_tools} NO_DEFAULT_PATH REQUIRED)

add_custom_target(kz_update_translations
    COMMAND ${KZ_LUPDATE} ${KZ_LUPDATE_OPTIONS} ${KZ_TRANSLATED_FOLDERS} -ts ${KZ_TS_FILE}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Collecting the texts to translate into ${KZ_TS_FILE}"
    VERBATIM)

# Compiled at build time and built into the platform library as a resource (:/i18n/...).
set(kz_qm_file ${CMAKE_CURRENT_BINARY_DIR}/kzsorawa_en.qm)
add_custom_command(OUTPUT ${kz_qm_file}
    COMMAND ${KZ_LRELEASE} -silent ${KZ_TS_FILE} -qm ${kz_qm_file}
    DEPENDS ${KZ_TS_FILE}
    COMMENT "Compiling the English translation"
    VERBATIM)
qt_add_resources(kz_platform kz_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${kz_qm_file})
