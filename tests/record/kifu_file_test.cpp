#include "record/kifu_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "record/cp932.h"
#include "record/entry_line.h"
#include "rules/setup.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace record;

std::string rep(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class KifuFileTest : public ::testing::Test {
  protected:
    std::string fileBytes() const { return folder.read(kName); }
    void writeFile(const std::string& bytes) const { folder.write(kName, bytes); }
    int filesInDir() const { return static_cast<int>(folder.names().size()); }

    // A record of `moves` plausible entries: the start position with pieces walking and clocks
    // growing by whole seconds.
    MoveList record(int moves) {
        MoveList list;
        rules::Position pos;
        rules::layOutStartPosition(pos);
        list[0].boardAt = pos.board;
        for (int n = 1; n <= moves; ++n) {
            MoveEntry& e = list[n];
            e = list[n - 1];
            const int x = 1 + (n - 1) % 9;
            std::swap(e.boardAt(x, 7), e.boardAt(x, 6));
            e.ownHandAt[7 + n % 7] = n % 10;
            e.enemyHandAt[1 + n % 6] = (n * 3) % 10;
            e.bottomBefore = n * 10;
            e.bottomAfter = n * 10 + 7;
            e.topBefore = n * 4;
            e.topAfter = n * 4;
        }
        list.lastMove = moves;
        return list;
    }

    static constexpr const char* kName = "対局.棋譜";
    testsupport::TempFolder folder;
    const fs::path& dir = folder.path();
    const std::string path = folder.file(kName);
    const KifuHeaders headers{"王将戦 第1局", "後手の人", "ﾀﾛｳ"};
};

TEST_F(KifuFileTest, ThreeMovesRoundTripThroughSixLines) {
    const MoveList list = record(3);
    ASSERT_TRUE(save(path, headers, list, list.lastMove));

    const std::string bytes = fileBytes();
    int lines = 0;
    for (std::size_t i = 0; (i = bytes.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
    EXPECT_EQ(lines, 6);
    // After the headers, every line is one entry of 289 characters.
    const std::size_t headerEnd = bytes.find(*toCp932("ﾀﾛｳ") + "\r\n") + 5;
    EXPECT_EQ(bytes.size() - headerEnd, 3u * (289 + 2));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status) << describe(loaded.status);
    EXPECT_EQ(loaded.headers, headers);
    ASSERT_EQ(loaded.entries.size(), 3u);
    MoveList back;
    back[0] = list[0];
    back.currentMove = 2;
    back.moveCount = 2;
    applyTo(loaded, back);
    EXPECT_EQ(back.lastMove, 3);
    EXPECT_EQ(back.currentMove, 0);
    EXPECT_EQ(back.moveCount, 0);
    for (int n = 0; n <= 3; ++n) EXPECT_EQ(back[n], list[n]) << "entry " << n;
}

TEST_F(KifuFileTest, TheSavedBytesAreExact) {
    MoveList list;
    MoveEntry& e = list[1];
    e.boardAt(1, 1) = rules::敵車;
    e.boardAt(5, 9) = rules::自王;
    e.boardAt(9, 9) = rules::自香;
    e.enemyHandAt[1] = 1;  // a 卒 in the top army's hand
    e.ownHandAt[7] = 2;    // two 歩 in the bottom army's hand
    e.bottomBefore = 0;
    e.bottomAfter = 1234.9;  // the fraction is dropped
    e.topBefore = 75;
    e.topAfter = 75;
    ASSERT_TRUE(save(path, {"名人戦", "", "abc"}, list, 1));

    const std::string line = "  8" + rep("  0", 8) + rep("  0", 27) + rep("  0", 8) + "-20" +
                             rep("  0", 27) + rep("  0", 8) + " -4" + "01" + rep("00", 5) + "20" +
                             rep("00", 6) + "    0" + " 1234" + "   75" + "   75";
    ASSERT_EQ(line.size(), 289u);
    // 名人戦 in CP932.
    const std::string expected = "\x96\xBC\x90\x6C\x90\xED\r\n\r\nabc\r\n" + line + "\r\n";
    EXPECT_EQ(fileBytes(), expected);

    const KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status);
    EXPECT_EQ(loaded.entries.at(0).bottomAfter, 1234);
}

// A set-up start goes after the headers as a marker naming the army to move first and an entry
// line; it loads back into entry 0. A marker with no start after it is refused.
TEST_F(KifuFileTest, ASetUpStartIsSavedAfterTheHeadersAndLoadsBack) {
    MoveList list = record(2);
    list[0].boardAt(5, 5) = rules::自金;
    list[0].enemyHandAt[3] = 2;
    list.setUpStart = true;
    list.startSide = rules::GOTE;
    ASSERT_TRUE(save(path, headers, list, 2));
    const std::string marker = *toCp932(startMarker(rules::GOTE)) + "\r\n";
    std::string head;
    for (const std::string& h : headers) head += *toCp932(h) + "\r\n";
    EXPECT_EQ(fileBytes().substr(0, head.size() + marker.size()), head + marker);

    MoveList back;
    applyTo(load(path), back);
    EXPECT_EQ(back, list);

    writeFile(*toCp932("a\r\nb\r\nc\r\n") + marker);
    EXPECT_EQ(load(path).status.error, KifuError::BadEntryLine);
}

TEST_F(KifuFileTest, SavingReplacesAnOldFileAndLeavesNothingElseBehind) {
    writeFile(rep("old contents\r\n", 500));
    const MoveList list = record(2);
    ASSERT_TRUE(save(path, headers, list, 2));
    EXPECT_EQ(load(path).entries.size(), 2u);
    EXPECT_EQ(filesInDir(), 1);
}

TEST_F(KifuFileTest, ClocksTooLongForTheirFieldAreSavedAs99999) {
    MoveList list = record(1);
    list[1].bottomAfter = 100000;
    list[1].topAfter = 123456.7;
    ASSERT_TRUE(save(path, headers, list, 1));
    const KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status);
    EXPECT_EQ(loaded.entries[0].bottomAfter, 99999);
    EXPECT_EQ(loaded.entries[0].topAfter, 99999);
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes.substr(bytes.size() - 2 - 20),
              "   10"
              "99999"
              "    4"
              "99999"
              "\r\n");
}

TEST_F(KifuFileTest, FilesThatCannotBeOpenedOrCreatedAreReportedByName) {
    const std::string missing = (dir / "無い.棋譜").string();
    const KifuLoad loaded = load(missing);
    EXPECT_EQ(loaded.status.error, KifuError::CannotOpen);
    EXPECT_NE(describe(loaded.status).find(missing), std::string::npos);

    const std::string noFolder = (dir / "no-such-folder" / "x.棋譜").string();
    const KifuStatus s = save(noFolder, headers, record(1), 1);
    EXPECT_EQ(s.error, KifuError::CannotCreate);
    EXPECT_NE(describe(s).find(noFolder), std::string::npos);

    fs::create_directory(path);  // a folder in the file's place
    EXPECT_EQ(save(path, headers, record(1), 1).error, KifuError::CannotCreate);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(load(path).status.error, KifuError::CannotOpen);
    EXPECT_EQ(filesInDir(), 1);  // no temporary file left
}

TEST_F(KifuFileTest, AHeaderThatIsNotCp932TextIsRefusedWithoutTouchingTheOldFile) {
    const MoveList list = record(1);
    ASSERT_TRUE(save(path, headers, list, 1));
    const std::string before = fileBytes();

    KifuStatus s = save(path, {"ok", "한국어", "x"}, list, 1);
    EXPECT_EQ(s.error, KifuError::BadText);
    EXPECT_EQ(s.line, 2);
    s = save(path, {"ok", "x", "two\r\nlines"}, list, 1);
    EXPECT_EQ(s.error, KifuError::BadText);
    EXPECT_EQ(s.line, 3);
    EXPECT_EQ(fileBytes(), before);

    writeFile("ok\r\n\x81\x20\r\nx\r\n" + encodeEntryLine(list[1]) + "\r\n");
    const KifuLoad loaded = load(path);
    EXPECT_EQ(loaded.status.error, KifuError::BadText);
    EXPECT_EQ(loaded.status.line, 2);
    EXPECT_TRUE(loaded.entries.empty());
    EXPECT_EQ(loaded.headers, KifuHeaders{});
}

TEST_F(KifuFileTest, MoreThan400EntryLinesAreRefused) {
    const MoveList list = record(400);
    ASSERT_TRUE(save(path, headers, list, 400));
    ASSERT_EQ(load(path).entries.size(), 400u);

    writeFile(fileBytes() + encodeEntryLine(list[400]) + "\r\n");
    const KifuLoad loaded = load(path);
    EXPECT_EQ(loaded.status.error, KifuError::TooManyEntries);
    EXPECT_EQ(loaded.status.line, 404);
    EXPECT_TRUE(loaded.entries.empty());
    EXPECT_EQ(save(path, headers, list, 401).error, KifuError::TooManyEntries);
}

TEST_F(KifuFileTest, BlankEntryLinesArePassedOverAndFaultsKeepTheirOwnLineNumbers) {
    const MoveList list = record(400);
    ASSERT_TRUE(save(path, headers, list, 400));
    // A gap among the entries, blanks and tabs at the end and one more line end: still 400
    // moves.
    std::string bytes = fileBytes();
    const std::size_t fifthEntry = bytes.find(encodeEntryLine(list[5]));
    bytes.insert(fifthEntry, "\r\n");
    writeFile(bytes + "   \r\n\t\t\r\n\r\n");
    KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status) << describe(loaded.status);
    ASSERT_EQ(loaded.entries.size(), 400u);
    EXPECT_EQ(loaded.entries[4], list[5]);
    EXPECT_EQ(loaded.entries[399], list[400]);

    std::string bad = encodeEntryLine(list[2]);
    bad.replace(0, 3, " x1");
    writeFile("a\r\nb\r\nc\r\n\r\n" + encodeEntryLine(list[1]) + "\r\n \r\n" + bad + "\r\n");
    loaded = load(path);
    EXPECT_EQ(loaded.status.error, KifuError::BadEntryLine);
    EXPECT_EQ(loaded.status.line, 7) << "the file's own line number";
}

TEST_F(KifuFileTest, AnEntryLineWithABadPieceCodeOrBadFieldIsRefused) {
    const MoveList list = record(3);
    const std::string good = encodeEntryLine(list[1]);
    for (const std::string field : {" 22", "-22", " x1"}) {
        std::string bad = good;
        bad.replace(3 * 4, 3, field);  // the field of square (1, 5)
        writeFile("a\r\nb\r\nc\r\n" + good + "\r\n" + bad + "\r\n" + good + "\r\n");
        const KifuLoad loaded = load(path);
        EXPECT_EQ(loaded.status.error, KifuError::BadEntryLine) << field;
        EXPECT_EQ(loaded.status.line, 5) << field;
        EXPECT_NE(loaded.status.detail.find("13桁目"), std::string::npos) << loaded.status.detail;
        EXPECT_TRUE(loaded.entries.empty());
    }
    writeFile("a\r\nb\r\nc\r\n" + rep("  1", 200) + "\r\n");  // far too long
    EXPECT_EQ(load(path).status.error, KifuError::BadEntryLine);
}

// Messages are put together from whole sentences, so a translation sees each sentence with its
// places (%1, …) and the Japanese reads exactly as it always has.
TEST_F(KifuFileTest, MessagesTakeATranslationSentenceBySentence) {
    // Appended, not "<" + std::string(source): GCC 12 at -O3 warns falsely of an overlapping
    // copy (-Wrestrict) inside the inlined insert at the front.
    const Translation marked = [](const char*, const char* source) {
        std::string text = "<";
        text += source;
        return text + ">";
    };
    std::string bad = encodeEntryLine(record(1)[1]);
    bad.replace(3 * 4, 3, " 22");
    writeFile("a\r\nb\r\nc\r\n" + bad + "\r\n");
    const KifuStatus line = load(path).status;
    EXPECT_EQ(describe(line), "棋譜ﾌｧｲﾙの4行目が正しくありません: " + path +
                                  " (13桁目: 駒の番号が正しくありません)");
    EXPECT_EQ(describe(line, marked),
              "<棋譜ﾌｧｲﾙの4"
              "行目が正しくありません: " +
                  path + "> (<13桁目: <駒の番号が正しくありません>>)");

    const KifuStatus tooMany = save(path, headers, record(1), kMaxEntry + 1);
    EXPECT_EQ(describe(tooMany), "棋譜ﾌｧｲﾙの手数が400を超えています: " + path + " (401手)");
    EXPECT_EQ(describe(tooMany, marked),
              "<棋譜ﾌｧｲﾙの手数が400を超えています: " + path + "> (<401手>)");

    writeFile(rep("x", 70000) + "\r\n");
    EXPECT_EQ(describe(load(path).status, marked),
              "<棋譜ﾌｧｲﾙの1行目の文字が正しくありません: " + path + "> (<行が長すぎます>)");
}

TEST_F(KifuFileTest, ShortFilesAndShortLinesReadAsEmptyOrZero) {
    writeFile("only a name\r\n");
    KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status);
    EXPECT_EQ(loaded.headers, (KifuHeaders{"only a name", "", ""}));
    EXPECT_TRUE(loaded.entries.empty());

    writeFile("a\r\nb\r\nc\r\n");
    loaded = load(path);
    ASSERT_TRUE(loaded.status);
    EXPECT_TRUE(loaded.entries.empty());

    writeFile("a\r\nb\r\nc\r\n  8  0");  // a short last line without its line end
    loaded = load(path);
    ASSERT_TRUE(loaded.status) << describe(loaded.status);
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0].boardAt(1, 1), rules::敵車);
    EXPECT_EQ(loaded.entries[0].boardAt(9, 9), 0);
    EXPECT_EQ(loaded.entries[0].topAfter, 0);
}

TEST(KifuHeaderLines, TheTopArmysPlayerComesSecond) {
    EXPECT_EQ(headerLines("名", "先手氏", "後手氏", rules::SENTE),
              (KifuHeaders{"名", "後手氏", "先手氏"}));
    EXPECT_EQ(headerLines("名", "先手氏", "後手氏", rules::GOTE),
              (KifuHeaders{"名", "先手氏", "後手氏"}));
}

}  // namespace
