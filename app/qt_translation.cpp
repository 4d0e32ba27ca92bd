#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

namespace {
// The translator of Qt's own texts is a child of the application under this name, so a new
// language can find and replace it.
const char* const kTranslatorName = "qtTranslation";
}  // namespace

bool installQtTranslation(const QString& language) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return false;
    auto* next = new QTranslator(application);
    if (!next->load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete next;
        return false;
    }
    if (auto* old = application->findChild<QTranslator*>(QString::fromLatin1(kTranslatorName),
                                                         Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    next->setObjectName(QString::fromLatin1(kTranslatorName));
    QCoreApplication::installTranslator(next);
    return true;
}

}  // namespace app
