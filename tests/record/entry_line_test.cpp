#include "record/entry_line.h"

#include <gtest/gtest.h>

#include "record/position_line.h"
#include "rules/setup.h"

using namespace record;
using namespace rules;

namespace {

MoveEntry startEntry() {
    Position pos;
    layOutStartPosition(pos);
    MoveEntry e;
    e.boardAt = pos.board;
    return e;
}

// The columns of one field of a line (1-based start, as in the file layout).
std::string field(const std::string& line, int column, int width) {
    return line.substr(column - 1, width);
}

TEST(EntryLineEncode, StartPositionKeepsTheFixedLayout) {
    const std::string line = encodeEntryLine(startEntry());
    ASSERT_EQ(line.size(), 289u);
    // Column 1 from the top: 車, two empties, 卒, two empties, 歩, empty, 香.
    EXPECT_EQ(line.substr(0, 27), "  8  0  0  3  0  0 -1  0 -4");
    // The bottom 王 stands on column 5, row 9: the 45th field, no blank before it.
    EXPECT_EQ(field(line, 1 + 44 * 3, 3), "-20");
    EXPECT_EQ(line.substr(243, 26), std::string(26, '0'));
    EXPECT_EQ(line.substr(269), "    0    0    0    0");
}

TEST(EntryLineEncode, HandsInterleaveBottomThenTopPerIndex) {
    MoveEntry e;
    e.ownHandAt[1] = 2;    // two 卒 held by the bottom army
    e.enemyHandAt[7] = 9;  // nine 歩 held by the top army
    e.ownHandAt[13] = 1;
    const std::string line = encodeEntryLine(e);
    EXPECT_EQ(field(line, 244, 2), "20");
    EXPECT_EQ(field(line, 244 + 6 * 2, 2), "09");
    EXPECT_EQ(field(line, 244 + 12 * 2, 2), "10");
}

TEST(EntryLineEncode, ClocksAreWholeSecondsPaddedToFiveCharacters) {
    MoveEntry e;
    e.bottomBefore = 75.9;  // the fraction is dropped, not rounded
    e.bottomAfter = 1234;
    e.topBefore = 12345;
    e.topAfter = 0.4;
    const std::string line = encodeEntryLine(e);
    EXPECT_EQ(line.substr(269), "   75 123412345    0");
    EXPECT_EQ(field(line, 270, 5), "   75");
    EXPECT_EQ(field(line, 275, 5), " 1234");
    EXPECT_EQ(field(line, 280, 5), "12345");
    EXPECT_EQ(field(line, 285, 5), "    0");
}

TEST(EntryLineEncode, OversizedValuesAreClampedSoTheLineKeepsItsWidth) {
    MoveEntry e;
    e.bottomAfter = 100000;
    e.topAfter = 1e12;
    e.ownHandAt[7] = 12;
    e.enemyHandAt[2] = -1;
    const std::string line = encodeEntryLine(e);
    ASSERT_EQ(line.size(), 289u);
    EXPECT_EQ(field(line, 275, 5), "99999");
    EXPECT_EQ(field(line, 285, 5), "99999");
    EXPECT_EQ(field(line, 244 + 6 * 2, 1), "9");
    EXPECT_EQ(field(line, 244 + 1 * 2 + 1, 1), "0");
}

TEST(EntryLineDecode, RoundTripOfAPlayedPosition) {
    MoveEntry e = startEntry();
    e.boardAt(5, 7) = 空;
    e.boardAt(5, 4) = 自歩;  // a bottom 歩 took the middle 卒...
    e.ownHandAt[1] = 1;      // ...which now sits in the bottom hand
    e.boardAt(2, 3) = 敵飛成;
    e.enemyHandAt[13] = 1;
    e.bottomBefore = 10;
    e.bottomAfter = 31;
    e.topBefore = 99999;
    e.topAfter = 99999;
    MoveEntry back;
    const LineDecode r = decodeEntryLine(encodeEntryLine(e), back);
    ASSERT_TRUE(r.ok()) << describe(r);
    EXPECT_EQ(back, e);
}

TEST(EntryLineDecode, ShortLinesAndBlanksReadAsZero) {
    MoveEntry full = startEntry();
    full.ownHandAt[3] = 2;
    full.topAfter = 42;
    const std::string line = encodeEntryLine(full);

    // Cut inside the hands: the board survives, the rest reads as 0.
    MoveEntry back;
    ASSERT_TRUE(decodeEntryLine(line.substr(0, 247), back));
    EXPECT_EQ(back.boardAt, full.boardAt);
    EXPECT_EQ(back.ownHandAt[1], 0);
    EXPECT_EQ(back.ownHandAt[2], 0);
    EXPECT_EQ(back.ownHandAt[3], 0);
    EXPECT_EQ(back.topAfter, 0);

    // A field cut right after its sign carries no digits: 0.
    ASSERT_TRUE(decodeEntryLine(line.substr(0, 18 + 2), back));
    EXPECT_EQ(back.boardAt(1, 7), 0);

    ASSERT_TRUE(decodeEntryLine("", back));
    EXPECT_EQ(back, MoveEntry{});

    // A CR LF left by the file and blanks after the last column are harmless.
    ASSERT_TRUE(decodeEntryLine(line + "   \r\n", back));
    EXPECT_EQ(back, full);
}

TEST(EntryLineDecode, LeadingBlanksAndLeftAlignedNumbersAreAccepted) {
    std::string line = encodeEntryLine(startEntry());
    line.replace(0, 3, "8  ");   // left-aligned 車
    line.replace(3, 3, "   ");   // blanks only: empty
    line.replace(18, 3, "+1 ");  // an explicit sign
    MoveEntry back;
    ASSERT_TRUE(decodeEntryLine(line, back));
    EXPECT_EQ(back.boardAt(1, 1), 敵車);
    EXPECT_EQ(back.boardAt(1, 2), 空);
    EXPECT_EQ(back.boardAt(1, 7), 敵歩);
}

struct Malformed {
    const char* what;
    int column;  // 1-based column to overwrite
    const char* text;
    LineError error;
};

TEST(EntryLineDecode, MalformedFieldsAreReportedAndLeaveTheEntryUntouched) {
    const std::string good = encodeEntryLine(startEntry());
    const Malformed cases[] = {
        {"letter in a board field", 4, " x1", LineError::NotANumber},
        {"two numbers in one field", 4, "1 1", LineError::NotANumber},
        {"sign without digits", 4, "  -", LineError::NotANumber},
        {"kind 22 does not exist", 4, " 22", LineError::BadPieceCode},
        {"nor does -22", 4, "-22", LineError::BadPieceCode},
        {"negative hand count", 250, "-", LineError::NegativeHandCount},
        {"letter in a hand field", 250, "a", LineError::NotANumber},
        {"letter in a clock", 282, "a", LineError::NotANumber},
    };
    for (const Malformed& c : cases) {
        std::string line = good;
        line.replace(c.column - 1, std::string(c.text).size(), c.text);
        MoveEntry out;
        out.topAfter = 7;
        const LineDecode r = decodeEntryLine(line, out);
        EXPECT_EQ(r.error, c.error) << c.what;
        EXPECT_EQ(r.column, c.column - (c.column == 282 ? 2 : 0)) << c.what;
        EXPECT_FALSE(r) << c.what;
        EXPECT_EQ(out.topAfter, 7) << c.what;
        EXPECT_EQ(out.boardAt, Board{}) << c.what;
    }

    MoveEntry out;
    const LineDecode tooLong = decodeEntryLine(good + "  0", out);
    EXPECT_EQ(tooLong.error, LineError::TooLong);
    EXPECT_EQ(describe(tooLong), "line longer than 289 characters at column 290");
}

// A line read as a position, here turned round (the Chinese army at the bottom): sides, the
// bottom king's square and the hands' totals all follow from the line; a bad line changes nothing.
TEST(ReadPosition, TakesSidesKingAndHandTotalsFromTheLine) {
    MoveEntry e;
    e.boardAt(5, 1) = 敵王;
    e.boardAt(4, 9) = 自将;
    e.ownHandAt[1] = 2;
    e.enemyHandAt[7] = 3;
    Position pos;
    ASSERT_TRUE(readPosition(encodeEntryLine(e), pos));
    EXPECT_EQ(pos.board, e.boardAt);
    EXPECT_EQ(pos.bottomSide, GOTE);
    EXPECT_EQ(pos.topSide, SENTE);
    EXPECT_EQ(std::make_pair(pos.ownKingX, pos.ownKingY), std::make_pair(4, 9));
    EXPECT_EQ(std::make_pair(pos.ownHandTotal, pos.enemyHandTotal), std::make_pair(2, 3));

    std::string bad = encodeEntryLine(MoveEntry{});
    bad.replace(0, 3, " 22");
    EXPECT_EQ(readPosition(bad, pos).error, LineError::BadPieceCode);
    EXPECT_EQ(pos.board, e.boardAt);
}

}  // namespace
