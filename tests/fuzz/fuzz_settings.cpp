// The settings reader on arbitrary bytes.
//
// The bytes become the settings file; the reader runs on the options as the window is created.
// Afterwards:
//  - at most one background is ticked, and the current background is one of the five pictures;
//  - the guidance colour follows the guidance mark, and the layout follows the drops mark;
//  - every line is judged whole against its own literals, and the effects asked for (background,
//    repaint, music) match the marks;
//  - a file of five lines or more is left exactly as it was; a shorter one is replaced by the
//    default file; a missing sixth line reads the move list as off;
//  - what the writer then saves reads back to the same marks, and saving again gives the same
//    bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "record/cp932.h"
#include "settings/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using settings::Options;

struct Effects : settings::SettingsEffects {
    std::vector<int> backgrounds;
    int repaints = 0;
    int musicStarts = 0;
    void 描画_背景(int code) override { backgrounds.push_back(code); }
    void 画面_再描画() override { ++repaints; }
    void startMusic() override { ++musicStarts; }
};

constexpr int kBackgroundCodes[] = {settings::kMidori, settings::kTake, settings::kTatami,
                                    settings::kUchu, settings::kRenga};
constexpr const char* kBackgroundLines[] = {"背景画=緑", "背景画=竹", "背景画=畳", "背景画=宇宙",
                                            "背景画=煉瓦"};

bool isBackground(int code) {
    for (int c : kBackgroundCodes)
        if (c == code) return true;
    return false;
}

std::string cp932(const char* utf8) {
    const auto bytes = record::toCp932(utf8);
    FUZZ_CHECK(bytes.has_value());
    return *bytes;
}

// The lines of the file as a text editor sees them: ended by CR LF, LF or CR; a last line
// without an end still counts.
std::vector<std::string> linesOf(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(i));
            break;
        }
        lines.emplace_back(bytes.substr(i, end - i));
        i = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

void checkInvariants(const Options& o) {
    FUZZ_CHECK(o.checkedBackground == 0 || isBackground(o.checkedBackground));
    FUZZ_CHECK(isBackground(o.background));
    FUZZ_CHECK(o.guidanceColour == (o.guidance ? 15 : settings::kOutlineColour));
}

bool sameLayout(const Options& a, const Options& b) {
    return a.boardTop == b.boardTop && a.windowHeight == b.windowHeight &&
           a.levelColumn == b.levelColumn && a.levelRow == b.levelRow &&
           a.recordTitleY == b.recordTitleY;
}

bool sameMarks(const Options& a, const Options& b) {
    return a.checkedBackground == b.checkedBackground && a.guidance == b.guidance &&
           a.elapsedTime == b.elapsedTime && a.chineseDrops == b.chineseDrops &&
           a.music == b.music && a.moveList == b.moveList && a.pieceSet == b.pieceSet &&
           a.timeControl == b.timeControl;
}

std::string defaultFile() {
    std::string text;
    for (const char* l : {"背景画=緑", "移動指導=OFF", "経過時間=ON", "中国将棋側持駒OK=OFF",
                          "BGM=ON", "棋譜一覧=ON"})
        text += cp932(l) + "\r\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const std::string path = fuzz::sandbox() + "/" + settings::kSettingsFileName;
    FUZZ_CHECK(fuzz::writeFile(path, bytes));

    const Options created;
    Options o = created;
    Effects effects;
    settings::読込_環境設定ファイル(o, effects, path);
    checkInvariants(o);

    const std::vector<std::string> lines = linesOf(bytes);
    if (lines.size() < 5) {
        // The default file, and its marks; nothing drawn but the green background.
        FUZZ_CHECK(fuzz::readFile(path) == defaultFile());
        FUZZ_CHECK(o.checkedBackground == settings::kMidori && o.background == settings::kMidori);
        FUZZ_CHECK(!o.guidance && o.elapsedTime && o.music && o.moveList);
        // The default file has the Chinese army's drops off, and the layout follows the mark.
        Options dropsOff = created;
        dropsOff.applyDropsLayout(false);
        FUZZ_CHECK(!o.chineseDrops && sameLayout(o, dropsOff));
        FUZZ_CHECK(effects.backgrounds == std::vector<int>{settings::kMidori});
        FUZZ_CHECK(effects.repaints == 0 && effects.musicStarts == 0);
    } else {
        FUZZ_CHECK(fuzz::readFile(path) == bytes);  // a readable file is never touched
        int background = 0;
        for (int i = 0; i < 5 && background == 0; ++i)
            if (lines[0] == cp932(kBackgroundLines[i])) background = kBackgroundCodes[i];
        if (background != 0) {
            FUZZ_CHECK(o.checkedBackground == background && o.background == background);
            FUZZ_CHECK(effects.backgrounds == std::vector<int>{background});
        } else {
            FUZZ_CHECK(o.checkedBackground == created.checkedBackground);
            FUZZ_CHECK(o.background == created.background && effects.backgrounds.empty());
        }
        FUZZ_CHECK(o.guidance == (lines[1] == cp932("移動指導=ON")));
        FUZZ_CHECK(o.elapsedTime == (lines[2] == cp932("経過時間=ON")));
        FUZZ_CHECK(o.chineseDrops == (lines[3] == cp932("中国将棋側持駒OK=ON")));
        Options layout;
        layout.applyDropsLayout(o.chineseDrops);
        FUZZ_CHECK(sameLayout(o, layout));
        FUZZ_CHECK(o.music == (lines[4] == cp932("BGM=ON")));
        FUZZ_CHECK(effects.repaints == 1 && effects.musicStarts == (o.music ? 1 : 0));
        FUZZ_CHECK(o.moveList == (lines.size() > 5 && lines[5] == cp932("棋譜一覧=ON")));
        FUZZ_CHECK((o.pieceSet == platform::PieceSet::International) ==
                   (lines.size() > 7 && lines[7] == cp932("駒の種類=International")));
    }

    // The writer keeps every mark: read back on a freshly created window they are all there.
    FUZZ_CHECK(settings::writeSettingsFile(o, path));
    const std::string written = fuzz::readFile(path);
    Options back;
    Effects backEffects;
    settings::読込_環境設定ファイル(back, backEffects, path);
    checkInvariants(back);
    FUZZ_CHECK(sameMarks(back, o));
    FUZZ_CHECK(back.guidanceColour == o.guidanceColour);
    FUZZ_CHECK(fuzz::readFile(path) == written);
    FUZZ_CHECK(settings::writeSettingsFile(back, path));
    FUZZ_CHECK(fuzz::readFile(path) == written);
    return 0;
}
