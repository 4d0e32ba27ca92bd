// Every Japanese text in the game's sources is either marked for translation (so the English
// translation must have it) or one of the few that read the same in every language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Texts kept as they are in English: pieces and notation, numerals, names, file names.
const std::set<std::string> kSameInEveryLanguage = {
    "歩", "と", "香", "杏", "桂", "圭", "銀", "全", "金", "角", "馬", "飛", "龍", "王", "卒", "車",
    "象", "士", "砲", "将", "成", "一", "二", "三", "四", "五", "六", "七", "八", "九", "KZ ソラワ",
    "KZソラワ.ini", "KZソラワ.dll", "KZソラワ.recovery", "KZソラワ.lock", "KZ ソラワ 1.0\\n",
    "*.棋譜", "言語 / Language", "日本語",
    // 終了's name, only ever part of a whole winner's sentence, which is marked.
    "先手", "後手", "あなた", "ｺﾝﾋﾟｭｰﾀ", "の勝ちです"};
// Files whose texts are file contents, not words for the player.
const std::set<std::string> kFileContents = {"settings_file.cpp", "sounds.cpp", "record_text.cpp",
                                             "pasted_text.cpp"};

// The code without its comments, with every run of blanks made one blank.
std::string code(const fs::path& file) {
    std::ifstream in(file);
    std::string line, out;
    while (std::getline(in, line)) {
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\') {
                ++i;
            } else if (line[i] == '"') {
                quoted = !quoted;
            } else if (!quoted && line.compare(i, 2, "//") == 0) {
                line.resize(i);
                break;
            }
        }
        out += line + ' ';
    }
    return std::regex_replace(out, std::regex("\\s+"), " ");
}

TEST(MarkedTexts, EveryJapaneseTextIsMarkedOrTheSameInEveryLanguage) {
    // A literal, or literals written side by side (one text).
    const std::regex literal("\"((?:[^\"\\\\]|\\\\.)*)\"(?: \"(?:[^\"\\\\]|\\\\.)*\")*");
    const std::regex marker("(KZ_TEXT|translated|translatedQ)\\( ?\"\\w+\", ?$");
    int checked = 0;
    for (const char* folder : {"app", "flow", "view", "settings", "platform"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(KZ_SOURCE_DIR) / folder)) {
            if (kFileContents.count(entry.path().filename().string())) continue;
            const std::string text = code(entry.path());
            for (std::sregex_iterator m(text.begin(), text.end(), literal), end; m != end; ++m) {
                const std::string s = m->length() == (*m)[1].length() + 2 ? (*m)[1] : m->str();
                const bool japanese = std::any_of(s.begin(), s.end(), [](char c) {
                    return static_cast<unsigned char>(c) >= 0xE3;
                });
                if (!japanese || kSameInEveryLanguage.count(s)) continue;
                const std::string before = text.substr(0, m->position())
                                               .substr(m->position() > 40 ? m->position() - 40 : 0);
                EXPECT_TRUE(std::regex_search(before, marker))
                    << entry.path().filename() << ": \"" << s << "\" is not marked for translation";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 50);
}

}  // namespace
