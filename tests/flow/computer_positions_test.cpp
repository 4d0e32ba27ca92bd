// Games against the computer from positions shown out of a record file: a computer with no move at
// all, a captured computer king, a record with no room left for the computer's move, and the
// computer playing what the engine answers on the same position.
#include <cstdio>
#include <fstream>
#include <string>

#include "computer_rig.h"
#include "record/entry_line.h"
#include "record/kifu_file.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "tools/engine_session.h"

using namespace rules;
using platform::Answer;
using settings::Sound;

namespace {

class ComputerFromRecord : public testsupport::ComputerGameTest {
  protected:
    ComputerFromRecord() { start = moves()[0].boardAt; }

    record::MoveList& list() { return list_; }
    const record::MoveList& moves() { return game().moves(); }

    // Writes entries 1..lastMove of list() to a record file, loads it and steps to its end.
    void loadAndStepToTheEnd(int lastMove) { showRecord(list_, lastMove); }
    // A record of one entry showing `diagram`.
    void show(const std::string& diagram) {
        list_[1].boardAt = testsupport::boardFrom(diagram);
        loadAndStepToTheEnd(1);
    }

    Board start;

  private:
    record::MoveList list_;
};

TEST_F(ComputerFromRecord, AComputerWithoutASingleMoveLoses) {
    // The 将 sits in the palace corner behind two files of its own 歩, every one of them blocked
    // or on the last row; the hand is empty. The bottom 歩 on the first file is the last move.
    show(
        ". . . v将 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . .\n"
        "^歩 . . v歩 v歩 . . . .\n"
        ". . . v歩 v歩 . . . ^王\n");
    const Board shown = pos().board;
    expectWinner("あなた", Answer::Yes);
    game().START2_Click();
    rig.dialogs.verify();
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(moves().lastMove, 1) << "nothing was recorded";
    EXPECT_EQ(moves()[1].boardAt, shown);
    EXPECT_EQ(state().sideToMove, 0);
    EXPECT_EQ(pos().board, start);
}

TEST_F(ComputerFromRecord, TakingTheComputersKingWinsAtOnce) {
    // A 卒 on the first file moved last; the 飛 has an open file up to the 将.
    show(
        "v車 . . v士 v将 v士 . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        "v卒 . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . ^飛 . . . .\n"
        ". . . ^金 ^王 ^金 . . .\n");
    startAgainstComputer();
    expectWinner("あなた", Answer::No);
    move(5, 8, 5, 1);
    EXPECT_EQ(pos().winnerSide, SENTE);
    EXPECT_EQ(pos().board(5, 1), 自飛);
    EXPECT_EQ(moves().moveCount, 2) << "the computer made no move";
}

TEST_F(ComputerFromRecord, AFullRecordKeepsTheComputerFromMoving) {
    // 400 entries: the last one a bottom 歩's step, so the computer is to move with no room left.
    for (int n = 1; n <= record::kMaxEntry; ++n) list()[n].boardAt = start;
    list()[record::kMaxEntry].boardAt(5, 7) = 空;
    list()[record::kMaxEntry].boardAt(5, 6) = 自歩;
    loadAndStepToTheEnd(record::kMaxEntry);
    const Board shown = pos().board;

    rig.dialogs.expect("これ以上記録できません", "棋譜");
    game().START2_Click();
    rig.dialogs.verify();
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_EQ(pos().board, shown);
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(moves().lastMove, record::kMaxEntry);
    EXPECT_EQ(moves()[record::kMaxEntry].boardAt, shown);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(state().sideToMove, pos().topSide);
}

TEST_F(ComputerFromRecord, TheHumansMoveThatFillsTheRecordStopsTheGameUntilASteppedBackResume) {
    // 399 entries, the last a 卒's step: the human's next move is the record's last.
    for (int n = 1; n < record::kMaxEntry; ++n) list()[n].boardAt = start;
    list()[record::kMaxEntry - 1].boardAt(1, 4) = 空;
    list()[record::kMaxEntry - 1].boardAt(1, 5) = 敵卒;
    loadAndStepToTheEnd(record::kMaxEntry - 1);
    startAgainstComputer();

    rig.dialogs.expect("これ以上記録できません", "棋譜");
    move(7, 7, 7, 6);
    rig.dialogs.verify();
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_FALSE(rig.timer.on);

    // A press neither asks the computer again nor takes up its piece.
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    press(5, 1);
    rig.dialogs.verify();
    EXPECT_FALSE(state().selectState);
    EXPECT_FALSE(rig.timer.on);

    // 戻 makes room: the human plays another last move, and the game stops again.
    game().REPLAY_Click();
    rig.dialogs.expect("MANの番です", "対局");
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    move(6, 7, 6, 6);
    rig.dialogs.verify();
    EXPECT_EQ(moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(pos().board(6, 6), 自歩);
    EXPECT_EQ(pos().board(7, 7), 自歩) << "the move taken back is gone";
}

// The computer's move in the game against the engine's go on the same position, level and drops
// option. The engine starts from a reset map, the game from whatever its last routine left.
class ComputerAgreesWithEngine : public ComputerFromRecord {
  protected:
    void setLevelAndDrops(int level, bool drops) {
        if (level == 1) game().opponent().LEVEL1_Click();
        if (level == 2) game().opponent().LEVEL2_Click();
        if (level == 3) game().opponent().LEVEL3_Click();
        if (drops) dropsOn();
    }
    // The computer has just played from entry n - 1 of the record.
    void expectEngineAgrees(int level, bool drops) {
        const int n = moves().currentMove;
        ASSERT_GE(n, 2) << "the computer made no move";
        enginetest::Session engine;
        engine.send("setoption level " + std::to_string(level));
        engine.send(std::string("setoption drops ") + (drops ? "on" : "off"));
        engine.send("position " + record::encodeEntryLine(moves()[n - 1]));
        const com::ComMove& m = game().opponent().computer().comState().best;
        char played[96];
        std::snprintf(played, sizeof played, "bestmove %d %d %d %d %d %d score %.4f", m.fromX,
                      m.fromY, m.toX, m.toY, m.before, m.after,
                      game().opponent().computer().comState().bestScore);
        EXPECT_EQ(engine.send("go").at(0), played);
    }
};

// The human checks the computer's 将 and its mate test tries the 馬 in the way, leaving the map of
// that trial behind. The bottom 王 is boxed in where no reply can check it.
TEST_F(ComputerAgreesWithEngine, AfterTheMateTestTriedABlock) {
    setLevelAndDrops(2, false);
    // The 卒 on the first file moved last.
    show(
        ". . . v士 v将 v士 . . .\n"
        ". . . v馬 . v象 . . .\n"
        ". . . . . . . . .\n"
        ". . v卒 . . . v卒 . .\n"
        "v卒 . ^飛 . . . . . .\n"
        ". . . . . . . . .\n"
        ". . ^歩 . . . . . ^歩\n"
        ". . . . . . . ^金 ^銀\n"
        ". . . . . . ^桂 ^金 ^王\n");
    startAgainstComputer();
    move(3, 5, 5, 5);
    rig.dialogs.verify();
    expectEngineAgrees(2, false);
}

// Positions of the benchmark suite on which a search that read the bottom king's escapes from a
// map not surveyed for the position would choose another move or score; the computer's move may
// give check.
struct SuiteRow {
    int index;
    int level;
    bool drops;
    const char* box;  // the box the computer's move brings up, if any
};
void PrintTo(const SuiteRow& r, std::ostream* os) {
    *os << "suite position " << r.index << " level " << r.level << " drops " << r.drops;
}
constexpr const char* kCheck = "   ** 王手 **";

class ComputerAgreesOnTheSuite : public ComputerAgreesWithEngine,
                                 public ::testing::WithParamInterface<SuiteRow> {};

TEST_P(ComputerAgreesOnTheSuite, FromARecordLoadedAndSteppedThrough) {
    const SuiteRow& row = GetParam();
    const std::string here = __FILE__;
    std::ifstream suite(here.substr(0, here.rfind("/tests/flow/")) + "/bench/data/positions.txt");
    std::string line;
    for (int i = 0; i <= row.index; ++i) std::getline(suite, line);
    record::MoveEntry e;
    ASSERT_TRUE(record::decodeEntryLine(line, e));
    // Entry 1 lacks the first bottom piece, so the bottom army moved last.
    list()[2] = e;
    list()[1] = e;
    for (int x = 1, found = 0; x <= 9 && !found; ++x) {
        for (int y = 1; y <= 9 && !found; ++y) {
            if (isBottom(e.boardAt(x, y))) list()[1].boardAt(x, y) = 空, found = 1;
        }
    }
    loadAndStepToTheEnd(2);
    setLevelAndDrops(row.level, row.drops);
    if (row.box != nullptr) rig.dialogs.expect(row.box, "");
    game().START2_Click();
    rig.dialogs.verify();
    expectEngineAgrees(row.level, row.drops);
}

INSTANTIATE_TEST_SUITE_P(Rows, ComputerAgreesOnTheSuite,
                         ::testing::Values(SuiteRow{21, 2, false, nullptr},
                                           SuiteRow{45, 3, false, kCheck},
                                           SuiteRow{47, 2, true, kCheck},
                                           SuiteRow{58, 3, true, kCheck}));

}  // namespace
