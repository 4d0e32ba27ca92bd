// The game's own state between events: whose turn it is, the kind of game, the selection kept
// between presses, the clocks, the computer's level and the handicap.
#pragma once

#include "com/com_state.h"
#include "platform/palette.h"
#include "rules/piece.h"

namespace flow {

// Colours of the classic palette the controller paints with.
constexpr int kSelectColour = platform::palette::kRed;    // the selected piece
constexpr int kMarkColour = platform::palette::kWhite;    // the last move's result
constexpr int kWindowColour = platform::palette::kGreen;  // the window's own background colour
constexpr int kShadowColour = platform::palette::kBlack;  // the shadow under a printed text
constexpr double kShadowOffset = 0.1;  // how far the shadow lies right and down (board units)

struct GameState {
    rules::SideId sideToMove = 0;  // 0 while no game is in progress
    int gameMode = 0;              // 0 two humans (also while no game runs), 1 against the computer
    int kifuMode = 0;              // 1 while a loaded record is stepped through
    int reversed = 0;              // 1 once the board was turned since the last reset
    int resumePending = 0;         // 1 after 戻/進: the next press announces the turn again

    // Selection between presses.
    int selectState = 0;  // 1 while a piece is selected
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    rules::PieceCode movePiece = 0;

    // Clocks, in seconds.
    double bottomClock = 0;
    double topClock = 0;
    double turnStart = 0;    // day-clock reading when the turn began
    double turnSeconds = 0;  // refreshed by the tick
    int lastShownSecond = 0;

    int comLevel = com::kStartLevel;      // the computer's strength, 1..4
    int checkedLevel = com::kStartLevel;  // the ticked COM対局ﾚﾍﾞﾙ item, 0 = none

    int handicapGrade = 0;
    int handicapSet = 0;  // 1 once △ or ▽ was accepted; the grade is shown only then

    bool operator==(const GameState&) const = default;
};

}  // namespace flow
