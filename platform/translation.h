// The translation in use: texts are looked up by their Japanese source. With no translation
// installed (Japanese) the source itself comes back, byte for byte.
//
// `translated` and KZ_TEXT (lang/language.h) are what the translation tools look for.
#pragma once

#include <QString>
#include <string>

#include "lang/language.h"

namespace platform {

// The boundaries take the player's language under the platform's name too.
using lang::Language;

// The text the player reads for the Japanese `source` of `context`.
std::string translated(const char* context, const char* source);
QString translatedQ(const char* context, const char* source);

// Installs the game's own translation for `language` (none for Japanese); every widget is told
// that the language changed. Qt's own texts are the window's business.
void useLanguage(Language language);
Language languageInUse();

// The language the system names: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty decides; English when it names a language other than Japanese, Japanese otherwise (no
// variable, or "C"/"POSIX").
Language systemLanguage(const char* lcAll, const char* lcMessages, const char* lang);
// The same for this process's environment.
Language systemLanguage();

}  // namespace platform
