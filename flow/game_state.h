// The game's own state between events: whose turn it is, the kind of game, the selection kept
// between presses, the computer's level and the handicap. The clocks keep their own (clocks.h).
#pragma once

#include "com/com_state.h"
#include "platform/palette.h"
#include "rules/piece.h"
#include "view/layout.h"

namespace flow {

// Colours of the classic palette the controller paints with.
constexpr int kSelectColour = platform::palette::kRed;    // the selected piece
constexpr int kMarkColour = platform::palette::kWhite;    // the last move's result
constexpr int kWindowColour = platform::palette::kGreen;  // the window's own background colour
constexpr int kShadowColour = platform::palette::kBlack;  // the shadow under a printed text
constexpr double kShadowOffset = 0.1;  // how far the shadow lies right and down (board units)
// The review's better move: a colour neither the hint, the selection nor the last move uses.
constexpr int kBetterMoveColour = platform::palette::kAqua;

// Who plays the top army: a second human (also while no game runs) or the computer.
enum class GameMode { TwoHumans, AgainstComputer };

// Where the piece last pressed was taken from.
enum class SelectionFrom { Board, BottomStand, TopStand };

struct GameState {
    rules::SideId sideToMove = 0;  // 0 while no game is in progress
    GameMode gameMode = GameMode::TwoHumans;
    bool kifuMode = false;       // while a loaded record is stepped through
    bool reversed = false;       // once the board was turned since the last reset
    bool resumePending = false;  // after 戻/進: the next press announces the turn again
    // Whether the record's moves were played against the computer, for its text: set as a game
    // starts or goes on and kept through the reset after its end; a record from elsewhere has
    // two players.
    bool recordAgainstComputer = false;

    // Selection between presses. (fromX, fromY) is the cell as it is drawn: a board square, or a
    // stand cell (the bottom stand counts down from row 1, the top stand up from row 9).
    bool selectState = false;  // while a piece is held
    SelectionFrom from = SelectionFrom::Board;
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    rules::PieceCode movePiece = 0;
    // The hand index of a held stand piece, or the board row of a held board piece.
    int fromCell() const {
        return from == SelectionFrom::TopStand ? view::topStandCell(fromY) : fromY;
    }

    int comLevel = com::kStartLevel;      // the computer's strength, 1..4
    int checkedLevel = com::kStartLevel;  // the ticked COM対局ﾚﾍﾞﾙ item, 0 = none

    int handicapGrade = 0;
    bool handicapSet = false;  // once △ or ▽ was accepted; the grade is shown only then

    bool operator==(const GameState&) const = default;
};

}  // namespace flow
