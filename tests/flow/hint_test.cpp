// The hint: the computer's choice for the army to move, outlined and named without being played.
#include "computer_rig.h"
#include "support/diagram.h"

using namespace rules;
using settings::Sound;

namespace {

constexpr int kHintColour = 13;

class Hint : public testsupport::ComputerGameTest {
  protected:
    // Everything the hint must leave as it was.
    struct Kept {
        Position position;
        record::MoveList moves;
        flow::GameState state;
        flow::ClockTimes clocks;
        com::InfluenceMap map;
        com::ComState comState;
        bool timerOn;
        bool operator==(const Kept&) const = default;
    };
    Kept kept() {
        return {pos(),
                game().moves(),
                state(),
                clocks(),
                game().opponent().computer().influenceMap(),
                game().opponent().computer().comState(),
                rig.timer.on};
    }
    // Asks for a hint that names `text`; the outlines stand on (fc, fr) and (tc, tr) afterwards.
    void expectHint(const std::string& text, int fc, int fr, int tc, int tr) {
        const Kept before = kept();
        rig.dialogs.expect(text, "ヒント");
        game().opponent().HINT_Click();
        rig.dialogs.verify();
        EXPECT_TRUE(before == kept()) << text;
        EXPECT_TRUE(outlined(fc, fr, kHintColour)) << text;
        EXPECT_TRUE(outlined(tc, tr, kHintColour)) << text;
        EXPECT_TRUE(heard().empty());
    }
};

TEST_F(Hint, NamesTheComputersMoveForEitherArmyAndChangesNothing) {
    startGame();
    game().Timer1_Timer();
    expectHint("７六 歩", 3, 7, 3, 6);
    // The next press takes the outlines away and is a press as any other.
    move(3, 7, 3, 6);
    EXPECT_FALSE(outlined(3, 7, kHintColour));
    EXPECT_FALSE(outlined(3, 6, kHintColour));
    EXPECT_EQ(pos().board(3, 6), 自歩);
    heard();

    // Between two humans the top army may ask as well.
    expectHint("１二 車", 9, 1, 9, 2);
    // H asks as the menu item does.
    rig.dialogs.expect("１二 車", "ヒント");
    game().Form_KeyPress('h');
    rig.dialogs.verify();
}

TEST_F(Hint, AgainstTheComputerOnlyTheHumansTurnMayAskWhileASelectionIsKept) {
    startAgainstComputer();
    press(3, 7);  // the 歩 is held while the hint is shown
    expectHint("７六 歩", 3, 7, 3, 6);
    EXPECT_TRUE(state().selectState);
    press(3, 6);
    EXPECT_EQ(pos().board(3, 6), 自歩) << "the held piece moves at the next press";
    heard();

    // Stepped back onto the computer's turn, before a game and in record mode: refused.
    game().REPLAY_Click();
    heard();
    const auto refused = [&] {
        game().opponent().HINT_Click();
        EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    };
    refused();
    game().CANCEL_Click();
    heard();
    refused();
}

TEST_F(Hint, ADropIsOutlinedOnItsCellOfTheTopArmysStand) {
    // The top army holds a 金 whose drop before the 王 mates; a bottom 歩 moved last.
    const char* const before =
        ". . . . v将 . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n";
    record::MoveList list;
    list[1].boardAt = testsupport::boardFrom(std::string(before) +
                                             ". . . . v金 . . . .\n"
                                             "^歩 . . . . . . . .\n"
                                             ". . . ^香 ^王 ^香 . . .\n");
    list[2].boardAt = testsupport::boardFrom(std::string(before) +
                                             "^歩 . . . v金 . . . .\n"
                                             ". . . . . . . . .\n"
                                             ". . . ^香 ^王 ^香 . . .\n");
    list[1].enemyHandAt[11] = list[2].enemyHandAt[11] = 1;
    dropsOn();
    showRecord(list, 2);
    startGame("後手の番です");
    expectHint("５八 金", kTopHandX, view::topStandRow(11), 5, 8);
}

TEST_F(Hint, ADropIsOutlinedOnItsCellOfTheBottomArmysStand) {
    // The bottom army holds a 金 whose drop before the 将 mates.
    dropsOn();
    game().positionEditing().editPosition();
    setUp("3zxz3/9/4G4/9/9/9/9/9/4K4 b G 1");
    game().positionEditing().editDone();
    startGame();
    heard();
    expectHint("５二 金", kBottomHandX, hand::kGold, 5, 2);
}

TEST_F(Hint, OnTheTurnedBoardEitherArmyIsHintedAsWell) {
    game().REVERSE_Click();
    startGame();
    heard();
    expectHint("３四 歩", 7, 3, 7, 4);  // the shogi army, on top now
    move(7, 3, 7, 4);
    heard();
    expectHint("９八 車", 1, 9, 1, 8);  // the Chinese army at the bottom
}

// The international set, chosen during a game: the board shows its pictures, the move list
// and the last move beside the board are named again in its letters, and so is the hint.
TEST_F(Hint, TheInternationalSetNamesEveryMoveInItsLetters) {
    startGame();
    move(3, 7, 3, 6);
    heard();
    game().optionMenu().INTERNATIONAL_PIECES_Click();
    EXPECT_EQ(game().recordView().moveListRows()[1].move, "7f P");
    EXPECT_GT(bottomResultInk(), 0) << "the last move is written again";
    EXPECT_TRUE(testsupport::showsPicture(
        rig.canvas, screen().x(5), screen().y(9),
        screen()
            .pictures()
            .scalable(view::Picture::SITA_OU, platform::PieceSet::International)
            ->at(1)));
    expectHint("1b T", 9, 1, 9, 2);
}

// At a level that looks ahead the hint is chosen on the worker thread and shown when its message
// runs; meanwhile the board takes no press.
TEST_F(Hint, AtALevelThatLooksAheadItComesAsAMessage) {
    game().opponent().LEVEL4_Click();
    startGame();
    const Kept before = kept();
    game().opponent().HINT_Click();
    press(3, 7);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    ASSERT_TRUE(rig.gui.awaitPosted());
    rig.dialogs.expect("７六 歩", "ヒント");
    rig.gui.deliver();
    rig.dialogs.verify();
    EXPECT_TRUE(before == kept());
}

TEST_F(Hint, ChineseDropsSwitchedWhileItThinksMakeItThinkAgain) {
    game().opponent().LEVEL4_Click();
    startGame();
    game().opponent().HINT_Click();
    ASSERT_TRUE(rig.gui.awaitPosted());
    game().optionMenu().CHESS_MOCHIKOMA_Click();
    rig.gui.deliver();  // the answer under the old rule shows nothing
    ASSERT_TRUE(game().opponent().computer().searching());
    ASSERT_TRUE(rig.gui.awaitPosted());
    rig.dialogs.expect("５八 飛", "ヒント");  // drops on, another move
    rig.gui.deliver();
    rig.dialogs.verify();
}

}  // namespace
