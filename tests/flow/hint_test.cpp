// The hint: the computer's choice for the army to move, outlined and named without being played.
#include "computer_rig.h"

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
                game().computer().influenceMap(),
                game().computer().comState(),
                rig.timer.on};
    }
    // Asks for a hint that names `text`; the outlines stand on (fc, fr) and (tc, tr) afterwards.
    void expectHint(const std::string& text, int fc, int fr, int tc, int tr) {
        const Kept before = kept();
        rig.dialogs.expect(text, "ヒント");
        game().HINT_Click();
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
        game().HINT_Click();
        EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    };
    refused();
    game().CANCEL_Click();
    heard();
    refused();
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

}  // namespace
