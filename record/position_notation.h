// The position notation: one line of text for any position of the game, the same whichever way
// the board is turned on screen (docs/notation.md describes it).
//
//   jheaxaehj/9/1c5c1/z1z1z1z1z/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1
//
// The board is written as the shogi army sees it from the bottom; upper case is the shogi army's
// piece, lower case the Chinese army's, whatever its kind.
#pragma once

#include <string>
#include <string_view>

#include "record/texts.h"
#include "rules/position.h"
#include "rules/position_check.h"

namespace record {

// The position's notation. `sideToMove` is SENTE (the shogi army) or GOTE; `moveNumber` is the
// number of the move to be played next (1 before the first move). The shogi army's end is read
// from pos.bottomSide.
std::string positionToNotation(const rules::Position& pos, rules::SideId sideToMove,
                               int moveNumber);

struct NotationPosition {
    rules::Position position;  // the shogi army at the bottom, every derived value set
    rules::SideId sideToMove = rules::SENTE;
    int moveNumber = 1;
};

enum class NotationError {
    None,
    Empty,          // nothing but blanks
    BadRows,        // not nine rows separated by '/'
    BadPiece,       // a character that names no piece (column: where)
    RowLength,      // a row that does not cover nine squares (row: which)
    BadSide,        // the side to move is neither b nor w
    BadHand,        // the pieces in hand are not written as counts and letters
    BadMoveNumber,  // the move number is not a whole number 1..9999
    Extra,          // more text after the move number
    Position,       // well written, but the game cannot hold the position (fault)
};

struct NotationRead {
    NotationError error = NotationError::None;
    int column = 0;  // 1-based character of the text where the fault was found
    int row = 0;     // the board row at fault, for RowLength
    rules::PositionFault fault;
    NotationPosition value;  // set only when ok()

    bool ok() const { return error == NotationError::None; }
    explicit operator bool() const { return ok(); }
};

// Reads a notation. Blanks around it and between its fields are ignored, and a missing move
// number reads as 1; anything else that is wrong is refused, with what and where.
NotationRead readNotation(std::string_view text);

// A message for the player ("12文字目: …"), in the given translation.
std::string describe(const NotationRead& read, const Translation& translation = {});

}  // namespace record
