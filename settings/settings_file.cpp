#include "settings/settings_file.h"

#include <array>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "record/cp932.h"

namespace settings {

namespace {

// Lines a file must hold to be read at all; the move-list line after them may be missing.
constexpr int kRequiredLines = 5;
// The lines after those each hold a choice that has a default of its own.
constexpr int kLanguageLine = 6;
constexpr int kPieceSetLine = 7;
// The time control's line, once the player has chosen one; the computer's level comes last.
constexpr int kTimeControlLine = 8;
constexpr int kLevelLine = 9;
constexpr int kReadLines = kLevelLine + 1;
// No literal is longer than this many bytes, so a longer line can keep only its beginning.
constexpr std::size_t kLineKeep = 64;

struct BackgroundLine {
    const char* text;
    int code;
};
// In the order they are tested when read and looked at when written.
constexpr BackgroundLine kBackgrounds[] = {
    {"背景画=緑", kMidori}, {"背景画=竹", kTake},    {"背景画=畳", kTatami},
    {"背景画=宇宙", kUchu}, {"背景画=煉瓦", kRenga},
};
constexpr const char* kGuidanceOn = "移動指導=ON";
constexpr const char* kGuidanceOff = "移動指導=OFF";
constexpr const char* kElapsedOn = "経過時間=ON";
constexpr const char* kElapsedOff = "経過時間=OFF";
constexpr const char* kDropsOn = "中国将棋側持駒OK=ON";
constexpr const char* kDropsOff = "中国将棋側持駒OK=OFF";
constexpr const char* kMusicOn = "BGM=ON";
constexpr const char* kMusicOff = "BGM=OFF";
constexpr const char* kMoveListOn = "棋譜一覧=ON";
constexpr const char* kMoveListOff = "棋譜一覧=OFF";
constexpr const char* kJapaneseLine = "言語=日本語";
constexpr const char* kEnglishLine = "言語=English";
constexpr const char* kKanjiLine = "駒の種類=漢字";
constexpr const char* kInternationalLine = "駒の種類=International";
// Levels 1..4 in order.
constexpr const char* kLevelLines[] = {"COM対局ﾚﾍﾞﾙ=LEVEL1", "COM対局ﾚﾍﾞﾙ=LEVEL2",
                                       "COM対局ﾚﾍﾞﾙ=LEVEL3", "COM対局ﾚﾍﾞﾙ=LEVEL4",
                                       "COM対局ﾚﾍﾞﾙ=LEVEL5"};
constexpr int kLevelCount = static_cast<int>(std::size(kLevelLines));
constexpr const char* kTimeControlKey = "持ち時間=";

// A literal as the bytes it has in the file.
std::string fileForm(const char* literal) {
    return record::toCp932(literal).value_or(literal);
}

bool lineIs(const std::string& line, const char* literal) {
    return line == fileForm(literal);
}

// The first ten lines, each ended by CR LF, LF or CR (the last one may end the file instead);
// missing lines after the fifth are left empty. Nothing when the file cannot be opened or holds
// fewer than five lines.
std::optional<std::array<std::string, kReadLines>> readLines(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return std::nullopt;
    std::array<std::string, kReadLines> lines;
    bool ok = true;
    for (int i = 0; i < kReadLines; ++i) {
        std::string& line = lines[i];
        int c = std::fgetc(f);
        if (c == EOF) {
            if (i < kRequiredLines) ok = false;  // input past end of file
            break;
        }
        while (c != EOF && c != '\r' && c != '\n') {
            if (line.size() < kLineKeep) line.push_back(static_cast<char>(c));
            c = std::fgetc(f);
        }
        if (c == '\r') {
            const int next = std::fgetc(f);
            if (next != '\n' && next != EOF) std::ungetc(next, f);
        }
    }
    if (std::ferror(f)) ok = false;
    std::fclose(f);
    if (!ok) return std::nullopt;
    return lines;
}

// Writes the lines in CP932 with CR LF; false when anything could not be written.
bool writeLines(const std::string& path, const std::vector<const char*>& lines) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = true;
    for (const char* line : lines) {
        const std::string bytes = fileForm(line) + "\r\n";
        if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) ok = false;
    }
    if (std::fclose(f) != 0) ok = false;
    return ok;
}

const std::vector<const char*> kDefaultLines = {"背景画=緑", kGuidanceOff, kElapsedOn,
                                                kDropsOff,   kMusicOn,     kMoveListOn};

// The check marks the default file stands for.
void resetCheckMarks(Options& options) {
    selectBackground(options, kMidori);
    options.guidance = false;
    options.guidanceColour = kOutlineColour;  // no guidance marks under an unticked 移動指導
    options.elapsedTime = true;
    options.chineseDrops = false;
    options.applyDropsLayout(false);  // the layout always follows the mark
    options.music = true;
    options.moveList = true;
    options.pieceSet = platform::PieceSet::Kanji;
    options.timeControl = {};
}

const char* backgroundLine(const Options& options) {
    for (const BackgroundLine& b : kBackgrounds)
        if (options.checkedBackground == b.code) return b.text;
    // No item ticked: keep the picture on screen.
    for (const BackgroundLine& b : kBackgrounds)
        if (options.background == b.code) return b.text;
    return kBackgrounds[0].text;
}

}  // namespace

void selectBackground(Options& options, int code) {
    options.checkedBackground = 0;
    for (const BackgroundLine& b : kBackgrounds)
        if (b.code == code) options.checkedBackground = code;
}

void 読込_環境設定ファイル(Options& options, SettingsEffects& effects, const std::string& path) {
    // All the lines are read before any is applied, so a short file changes nothing that the
    // default path does not set again.
    const auto lines = readLines(path);
    if (!lines) {
        // The default file; a failure to write it does not stop the program either.
        writeLines(path, kDefaultLines);
        resetCheckMarks(options);
        effects.描画_背景(kMidori);
        options.background = kMidori;
        return;
    }
    const auto& l = *lines;

    for (const BackgroundLine& b : kBackgrounds)
        if (lineIs(l[0], b.text)) {
            selectBackground(options, b.code);
            effects.描画_背景(b.code);
            options.background = b.code;
            break;
        }

    options.guidance = lineIs(l[1], kGuidanceOn);
    options.guidanceColour = options.guidance ? kGuidanceColour : kOutlineColour;

    options.elapsedTime = lineIs(l[2], kElapsedOn);

    options.chineseDrops = lineIs(l[3], kDropsOn);
    options.applyDropsLayout(options.chineseDrops);
    effects.画面_再描画();

    options.music = lineIs(l[4], kMusicOn);
    if (options.music) effects.startMusic();

    options.moveList = lineIs(l[5], kMoveListOn);  // a file from before the list reads as off

    options.pieceSet = lineIs(l[kPieceSetLine], kInternationalLine)
                           ? platform::PieceSet::International
                           : platform::PieceSet::Kanji;

    options.comLevel.reset();
    for (int level = 1; level <= kLevelCount; ++level)
        if (lineIs(l[kLevelLine], kLevelLines[level - 1])) options.comLevel = level;

    options.timeControl = {};
    const std::string key = fileForm(kTimeControlKey);
    const std::string& timeLine = l[kTimeControlLine];
    if (timeLine.starts_with(key)) {
        const auto text = record::fromCp932(timeLine.substr(key.size()));
        if (text)
            options.timeControl = record::readTimeControl(*text).value_or(options.timeControl);
    }
}

std::optional<lang::Language> readLanguage(const std::string& path) {
    const auto lines = readLines(path);
    if (!lines) return std::nullopt;
    const std::string& line = (*lines)[kLanguageLine];
    if (lineIs(line, kJapaneseLine)) return lang::Language::Japanese;
    if (lineIs(line, kEnglishLine)) return lang::Language::English;
    return std::nullopt;
}

bool writeSettingsFile(Options& options, const std::string& path) {
    std::vector<const char*> lines = {
        backgroundLine(options),
        options.guidance ? kGuidanceOn : kGuidanceOff,
        options.elapsedTime ? kElapsedOn : kElapsedOff,
        options.chineseDrops ? kDropsOn : kDropsOff,
        options.music ? kMusicOn : kMusicOff,
        options.moveList ? kMoveListOn : kMoveListOff,
    };
    // The choices after the sixth line, each with its literal; the file ends after the last one
    // that is not at its default, and one at its default before it is written empty.
    struct Later {
        const char* text;
        bool atDefault;
    };
    const bool english = options.language == lang::Language::English;
    const bool international = options.pieceSet == platform::PieceSet::International;
    const bool level =
        options.comLevel && *options.comLevel >= 1 && *options.comLevel <= kLevelCount;
    const bool timed = options.timeControl.kind != record::TimeControlKind::None;
    // kept alive until the lines are written
    const std::string timeLine =
        timed ? kTimeControlKey + record::timeControlText(options.timeControl) : "";
    const Later later[] = {
        {!options.language ? ""
         : english         ? kEnglishLine
                           : kJapaneseLine,
         !options.language},
        {international ? kInternationalLine : kKanjiLine, !international},
        {timeLine.c_str(), !timed},
        {level ? kLevelLines[*options.comLevel - 1] : "", !level},
    };
    std::size_t kept = std::size(later);
    while (kept > 0 && later[kept - 1].atDefault) --kept;
    for (std::size_t i = 0; i < kept; ++i) lines.push_back(later[i].atDefault ? "" : later[i].text);
    if (writeLines(path, lines)) return true;
    writeLines(path, kDefaultLines);
    resetCheckMarks(options);
    return false;
}

}  // namespace settings
