#include <gtest/gtest.h>

#include "platform/translation.h"

namespace {

using lang::Language;

// The first of LC_ALL, LC_MESSAGES and LANG that is set decides; only a language other than
// Japanese turns the game to English.
TEST(SystemLanguage, TheFirstVariableSetNamesIt) {
    struct Row {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        Language expected;
    } rows[] = {
        {nullptr, nullptr, nullptr, Language::Japanese},
        {nullptr, nullptr, "en_US.UTF-8", Language::English},
        {nullptr, nullptr, "ja_JP.UTF-8", Language::Japanese},
        {nullptr, nullptr, "C", Language::Japanese},
        {nullptr, nullptr, "C.UTF-8", Language::Japanese},
        {nullptr, nullptr, "POSIX", Language::Japanese},
        {nullptr, nullptr, "de_DE.UTF-8", Language::English},
        {"", "", "fr_FR", Language::English},
        {nullptr, "ja_JP", "en_GB", Language::Japanese},
        {"en_US.UTF-8", "ja_JP", "ja_JP", Language::English},
        {"ja_JP.eucJP", nullptr, "en_US", Language::Japanese},
    };
    for (const Row& r : rows)
        EXPECT_EQ(platform::systemLanguage(r.lcAll, r.lcMessages, r.lang), r.expected)
            << (r.lcAll ? r.lcAll : "-") << " " << (r.lcMessages ? r.lcMessages : "-") << " "
            << (r.lang ? r.lang : "-");
}

}  // namespace
