#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "record/cp932.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using settings::Options;

class RecordingEffects : public settings::SettingsEffects {
  public:
    std::vector<std::string> calls;
    void 描画_背景(int code) override { calls.push_back("背景 " + std::to_string(code)); }
    void 画面_再描画() override { calls.push_back("再描画"); }
    void startMusic() override { calls.push_back("BGM"); }
};

// The file's bytes for the given UTF-8 text.
std::string cp932(const std::string& utf8) {
    return *record::toCp932(utf8);
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void writeFile(const std::string& bytes) { folder.write(kName, bytes); }
    std::string fileBytes() const { return folder.read(kName); }
    void read() { settings::読込_環境設定ファイル(options, effects, path); }

    static constexpr const char* kName = "KZソラワ.ini";
    testsupport::TempFolder folder;
    const std::string path = folder.file(kName);
    Options options;  // as the window is created: 畳 ticked, everything else off
    RecordingEffects effects;
};

const std::string kDefaultFile = cp932(
    "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\n中国将棋側持駒OK=OFF\r\nBGM=ON\r\n"
    "棋譜一覧=ON\r\n");

TEST_F(SettingsFileTest, FirstRunWritesTheDefaultFileAndDoesNotStartTheMusic) {
    read();
    EXPECT_EQ(fileBytes(), kDefaultFile);
    EXPECT_EQ(options.checkedBackground, settings::kMidori);
    EXPECT_EQ(options.background, settings::kMidori);
    EXPECT_FALSE(options.guidance);
    EXPECT_TRUE(options.elapsedTime);
    EXPECT_FALSE(options.chineseDrops);
    EXPECT_TRUE(options.music);
    EXPECT_TRUE(options.moveList);
    EXPECT_EQ(effects.calls, std::vector<std::string>{"背景 22"});  // no music until next start
    EXPECT_EQ(options.boardTop, 700) << "the layout follows the unticked 中国側持駒OK";
    EXPECT_EQ(options.windowHeight, 8500);
}

TEST_F(SettingsFileTest, WhatIsWrittenIsReadBack) {
    options.checkedBackground = settings::kUchu;
    options.guidance = true;
    options.elapsedTime = false;
    options.chineseDrops = false;
    options.music = false;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(fileBytes(), cp932("背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\n"
                                 "中国将棋側持駒OK=OFF\r\nBGM=OFF\r\n棋譜一覧=OFF\r\n"));

    Options fresh;
    settings::読込_環境設定ファイル(fresh, effects, path);
    EXPECT_EQ(fresh.checkedBackground, settings::kUchu);
    EXPECT_EQ(fresh.background, settings::kUchu);
    EXPECT_TRUE(fresh.guidance);
    EXPECT_EQ(fresh.guidanceColour, 15);
    EXPECT_FALSE(fresh.elapsedTime);
    EXPECT_FALSE(fresh.chineseDrops);
    EXPECT_EQ(fresh.boardTop, 700);
    EXPECT_EQ(fresh.windowHeight, 8500);
    EXPECT_FALSE(fresh.music);
    EXPECT_EQ(effects.calls, (std::vector<std::string>{"背景 25", "再描画"}));
}

TEST_F(SettingsFileTest, EveryBackgroundAndTheOnSettingsRoundTrip) {
    for (int code : {settings::kMidori, settings::kTake, settings::kTatami, settings::kUchu,
                     settings::kRenga}) {
        Options o;
        settings::selectBackground(o, code);
        o.chineseDrops = true;
        o.music = true;
        o.elapsedTime = true;
        o.moveList = true;
        ASSERT_TRUE(settings::writeSettingsFile(o, path));
        Options fresh;
        fresh.applyDropsLayout(false);
        RecordingEffects e;
        settings::読込_環境設定ファイル(fresh, e, path);
        EXPECT_EQ(fresh.checkedBackground, code);
        EXPECT_TRUE(fresh.chineseDrops);
        EXPECT_EQ(fresh.boardTop, 1860);
        EXPECT_EQ(fresh.windowHeight, 11500);
        EXPECT_TRUE(fresh.elapsedTime);
        EXPECT_TRUE(fresh.music);
        EXPECT_TRUE(fresh.moveList);
        EXPECT_EQ(e.calls,
                  (std::vector<std::string>{"背景 " + std::to_string(code), "再描画", "BGM"}));
    }
}

TEST_F(SettingsFileTest, OnlyTheExactLiteralsCount) {
    writeFile(cp932(
        "背景画=緑 \r\n移動指導=on\r\n 経過時間=ON\r\n中国将棋側持駒OK=ＯＮ\r\nBGM=ON\t\r\n"));
    options.guidance = true;
    options.guidanceColour = 15;
    options.elapsedTime = true;
    options.music = true;
    read();
    EXPECT_EQ(options.checkedBackground, settings::kTatami);  // unmatched: background kept
    EXPECT_EQ(options.background, settings::kTatami);
    EXPECT_FALSE(options.guidance);
    EXPECT_EQ(options.guidanceColour, 2);
    EXPECT_FALSE(options.elapsedTime);
    EXPECT_FALSE(options.chineseDrops);
    EXPECT_FALSE(options.music);
    EXPECT_EQ(effects.calls, std::vector<std::string>{"再描画"});
    EXPECT_EQ(fileBytes().substr(0, 4), cp932("背景")) << "a readable file is not rewritten";
}

TEST_F(SettingsFileTest, MisplacedLinesReadAsOff) {
    writeFile(
        cp932("BGM=ON\r\n背景画=竹\r\n移動指導=ON\r\n経過時間=ON\r\n中国将棋側持駒OK=ON\r\n"));
    read();
    EXPECT_EQ(options.checkedBackground, settings::kTatami);
    EXPECT_FALSE(options.guidance);
    EXPECT_FALSE(options.elapsedTime);
    EXPECT_FALSE(options.chineseDrops);
    EXPECT_FALSE(options.music);
    EXPECT_EQ(effects.calls, std::vector<std::string>{"再描画"});
}

TEST_F(SettingsFileTest, AFileOfFiveLinesReadsTheMoveListAsOffAndIsKept) {
    const std::string fiveLines =
        cp932("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\n中国将棋側持駒OK=OFF\r\nBGM=OFF\r\n");
    for (const std::string& sixth : {std::string(), cp932("棋譜一覧=on\r\n")}) {
        writeFile(fiveLines + sixth);
        options.moveList = true;
        read();
        EXPECT_EQ(options.checkedBackground, settings::kTake);
        EXPECT_FALSE(options.moveList);
        EXPECT_EQ(fileBytes(), fiveLines + sixth);
    }
}

TEST_F(SettingsFileTest, OtherLineEndingsAndAMissingFinalEndAreAccepted) {
    writeFile(cp932("背景画=竹\n移動指導=ON\r経過時間=ON\r\n中国将棋側持駒OK=OFF\nBGM=ON"));
    read();
    EXPECT_EQ(options.checkedBackground, settings::kTake);
    EXPECT_TRUE(options.guidance);
    EXPECT_TRUE(options.elapsedTime);
    EXPECT_TRUE(options.music);
    EXPECT_EQ(effects.calls.back(), "BGM");
}

TEST_F(SettingsFileTest, AShortOrEmptyFileIsReplacedAndNothingOfItIsApplied) {
    for (const std::string& bytes :
         {cp932("背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\n中国将棋側持駒OK=ON\r\n"),
          std::string(), std::string("\x00\xff\x81", 3)}) {
        writeFile(bytes);
        Options o;
        RecordingEffects e;
        settings::読込_環境設定ファイル(o, e, path);
        EXPECT_EQ(fileBytes(), kDefaultFile);
        EXPECT_EQ(o.checkedBackground, settings::kMidori);
        EXPECT_FALSE(o.guidance);
        EXPECT_EQ(o.guidanceColour, 2);
        EXPECT_FALSE(o.chineseDrops);
        EXPECT_EQ(o.boardTop, 700);
        EXPECT_EQ(e.calls, std::vector<std::string>{"背景 22"});
    }
}

TEST_F(SettingsFileTest, BinaryContentWithFiveLinesReadsAsOff) {
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
    writeFile(junk.substr(0, 3000) + "\r\n\n\n\n" + junk);
    options.music = true;
    read();
    EXPECT_FALSE(options.music);
    EXPECT_FALSE(options.guidance);
    EXPECT_EQ(options.checkedBackground, settings::kTatami);
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsSurvived) {
    // A folder where the file should be: it can be neither read nor written.
    fs::create_directory(path);
    read();
    EXPECT_EQ(options.checkedBackground, settings::kMidori);
    EXPECT_TRUE(options.music);
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(SettingsFileTest, AWriteFailureResetsTheCheckMarksOnly) {
    fs::create_directory(path);
    options.checkedBackground = settings::kRenga;
    options.background = settings::kRenga;
    options.guidance = true;
    options.guidanceColour = 15;
    options.elapsedTime = false;
    options.chineseDrops = true;
    options.applyDropsLayout(true);
    options.music = false;

    EXPECT_FALSE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(options.checkedBackground, settings::kMidori);
    EXPECT_FALSE(options.guidance);
    EXPECT_EQ(options.guidanceColour, 2);
    EXPECT_TRUE(options.elapsedTime);
    EXPECT_FALSE(options.chineseDrops);
    EXPECT_TRUE(options.music);
    EXPECT_TRUE(options.moveList);
    // The picture on screen is not touched; the layout follows the mark.
    EXPECT_EQ(options.background, settings::kRenga);
    EXPECT_EQ(options.boardTop, 700);
    EXPECT_EQ(options.windowHeight, 8500);
}

TEST_F(SettingsFileTest, AReadOnlyFileIsAWriteFailure) {
    writeFile(kDefaultFile);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (std::ofstream(path, std::ios::app)) GTEST_SKIP() << "running with rights that ignore it";
    options.music = false;
    options.guidance = true;
    EXPECT_FALSE(settings::writeSettingsFile(options, path));
    EXPECT_TRUE(options.music);
    EXPECT_FALSE(options.guidance);
    EXPECT_EQ(fileBytes(), kDefaultFile);
}

TEST_F(SettingsFileTest, AFullDiskIsAWriteFailureToo) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    options.guidance = true;
    EXPECT_FALSE(settings::writeSettingsFile(options, "/dev/full"));
    EXPECT_FALSE(options.guidance);
    EXPECT_EQ(options.checkedBackground, settings::kMidori);
}

TEST(BackgroundSelector, TicksOnlyAKnownBackground) {
    Options o;
    settings::selectBackground(o, settings::kRenga);
    EXPECT_EQ(o.checkedBackground, settings::kRenga);
    settings::selectBackground(o, settings::kTitlePicture);
    EXPECT_EQ(o.checkedBackground, 0);
    EXPECT_EQ(o.background, settings::kTatami);  // the picture on screen is someone else's
}

}  // namespace

namespace {

// The language line comes seventh, after a sixth, and only once a language has been picked; the
// other lines are read as before whether it is there or not.
TEST_F(SettingsFileTest, TheLanguageLineIsSeventhAndOnlyThereOncePicked) {
    using lang::Language;
    EXPECT_EQ(settings::readLanguage(path), std::nullopt);  // no file at all
    options.music = true;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(settings::readLanguage(path), std::nullopt);
    EXPECT_EQ(folder.lines(kName).size(), 6u);

    for (const Language l : {Language::English, Language::Japanese}) {
        options.language = l;
        ASSERT_TRUE(settings::writeSettingsFile(options, path));
        const std::vector<std::string> lines = folder.lines(kName);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[6], l == Language::English ? "言語=English" : "言語=日本語");
        EXPECT_EQ(settings::readLanguage(path), l);
        Options fresh;
        settings::読込_環境設定ファイル(fresh, effects, path);
        EXPECT_TRUE(fresh.music);
    }
    // Only the two literals, and only on the seventh line, name a language.
    for (const char* bytes : {"a\r\nb\r\nc\r\nd\r\ne\r\n言語=English\r\n",
                              "a\r\nb\r\nc\r\nd\r\ne\r\n\r\n言語=ENGLISH\r\n"}) {
        writeFile(cp932(bytes));
        EXPECT_EQ(settings::readLanguage(path), std::nullopt) << bytes;
    }
    writeFile(cp932("a\nb\nc\nd\ne\nf\n言語=English"));
    EXPECT_EQ(settings::readLanguage(path), Language::English);
}

// The level line is the tenth, there only once a level has been picked: the lines between it and
// the others are empty, and whatever else stands there reads as no level.
TEST_F(SettingsFileTest, TheLevelLineIsTenthAndOnlyThereOncePicked) {
    struct Row {
        std::optional<lang::Language> language;
        int level;
        const char* languageLine;
    };
    for (const Row& r : {Row{std::nullopt, 4, ""}, Row{std::nullopt, 5, ""},
                         Row{lang::Language::English, 1, "言語=English"}}) {
        options.language = r.language;
        options.comLevel = r.level;
        ASSERT_TRUE(settings::writeSettingsFile(options, path));
        const std::vector<std::string> lines = folder.lines(kName);
        ASSERT_EQ(lines.size(), 10u);
        EXPECT_EQ(lines[6], r.languageLine);
        EXPECT_EQ(lines[7] + lines[8], "");
        EXPECT_EQ(lines[9], "COM対局ﾚﾍﾞﾙ=LEVEL" + std::to_string(r.level));
        EXPECT_EQ(settings::readLanguage(path), r.language);
        Options fresh;
        settings::読込_環境設定ファイル(fresh, effects, path);
        EXPECT_EQ(fresh.comLevel, r.level);
    }
    for (const std::string tail : {"", "\r\n\r\n\r\nCOM対局ﾚﾍﾞﾙ=LEVEL9\r\n"}) {
        writeFile(kDefaultFile + cp932(tail));
        read();
        EXPECT_EQ(options.comLevel, std::nullopt) << tail;
    }
}

}  // namespace

namespace {

// The piece set comes eighth, after a language line that is left empty while none is picked;
// a file ends after its last line that is not at its default, and anything but the literal of
// the international set reads as the kanji set.
TEST_F(SettingsFileTest, ThePieceSetLineIsEighthAndWithoutItThePiecesAreKanji) {
    using platform::PieceSet;
    const auto readBack = [&] {
        Options fresh;
        settings::読込_環境設定ファイル(fresh, effects, path);
        return fresh.pieceSet;
    };
    options.pieceSet = PieceSet::International;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    std::vector<std::string> lines = folder.lines(kName);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "駒の種類=International");
    EXPECT_EQ(settings::readLanguage(path), std::nullopt);
    EXPECT_EQ(readBack(), PieceSet::International);

    options.language = lang::Language::English;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(folder.lines(kName)[6], "言語=English");
    EXPECT_EQ(readBack(), PieceSet::International);

    options.pieceSet = PieceSet::Kanji;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(folder.lines(kName).size(), 7u);
    EXPECT_EQ(readBack(), PieceSet::Kanji);

    const std::string sixLines = kDefaultFile;
    for (const std::string& rest :
         {std::string(), cp932("\r\n駒の種類=international\r\n"), cp932("\r\n駒の種類=漢字\r\n")}) {
        writeFile(sixLines + rest);
        EXPECT_EQ(readBack(), PieceSet::Kanji) << rest;
        EXPECT_EQ(fileBytes(), sixLines + rest);
    }
}

}  // namespace

namespace {

// The time control is the ninth line, there only once one is chosen; a file without it, or with
// a line that names none, has no time control and is left as it is.
TEST_F(SettingsFileTest, TheTimeControlLineIsNinthAndOnlyThereOnceChosen) {
    const record::TimeControl byoyomi{record::TimeControlKind::Byoyomi, 600, 30};
    options.timeControl = byoyomi;
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    std::vector<std::string> lines = folder.lines(kName);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[8], "持ち時間=10分+30秒");
    Options fresh;
    settings::読込_環境設定ファイル(fresh, effects, path);
    EXPECT_EQ(fresh.timeControl, byoyomi);
    EXPECT_EQ(settings::readLanguage(path), std::nullopt);

    options.timeControl = {};
    ASSERT_TRUE(settings::writeSettingsFile(options, path));
    EXPECT_EQ(folder.lines(kName).size(), 6u);

    for (const char* text : {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n",
                             "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n持ち時間=10分+30秒\r\n",
                             "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\n\r\n持ち時間=10分+0秒\r\n"}) {
        writeFile(cp932(text));
        fresh.timeControl = byoyomi;
        settings::読込_環境設定ファイル(fresh, effects, path);
        EXPECT_EQ(fresh.timeControl, record::TimeControl{}) << text;
        EXPECT_EQ(fileBytes(), cp932(text));
    }
}

}  // namespace
