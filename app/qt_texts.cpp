#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

QTranslator* qtJapanese() {
    static QTranslator* translator = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        // Without Qt's translations installed its own texts stay English.
        (void)t->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return t;
    }();
    return translator;
}

}  // namespace

void useQtTexts(platform::Language language) {
    static bool japanese = false;
    if ((language == platform::Language::Japanese) == japanese) return;
    japanese = !japanese;
    if (japanese) {
        QCoreApplication::installTranslator(qtJapanese());
    } else {
        QCoreApplication::removeTranslator(qtJapanese());
    }
}

}  // namespace app
