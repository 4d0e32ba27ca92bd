#include "platform/translation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// The compiled English translation, built into the program.
const char* const kEnglishFile = ":/i18n/kzsorawa_en.qm";

Language current = Language::Japanese;

QTranslator& englishTranslator() {
    static QTranslator* translator = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (!t->load(QString::fromUtf8(kEnglishFile)))
            qWarning("The English translation %s is missing", kEnglishFile);
        return t;
    }();
    return *translator;
}

bool set(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

QString translatedQ(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

std::string translated(const char* context, const char* source) {
    return translatedQ(context, source).toStdString();
}

void useLanguage(Language language) {
    if (language == current) return;
    current = language;
    if (language == Language::English) {
        QCoreApplication::installTranslator(&englishTranslator());
    } else {
        QCoreApplication::removeTranslator(&englishTranslator());
    }
}

Language languageInUse() {
    return current;
}

Language systemLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
    const char* value = set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : set(lang) ? lang : "";
    if (!set(value) || std::strcmp(value, "C") == 0 || std::strcmp(value, "POSIX") == 0 ||
        std::strncmp(value, "C.", 2) == 0 || std::strncmp(value, "ja", 2) == 0)
        return Language::Japanese;
    return Language::English;
}

Language systemLanguage() {
    return systemLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace platform
