// What the pieces and the squares are called in each piece set, wherever a move is named beside
// the board: the kanji set keeps the record's notation ("７六 歩"), the international set writes
// the file's digit, the rank's letter counted from the top and the piece's letter ("7f P").
#pragma once

#include <string>

#include "platform/piece_set.h"
#include "record/notation.h"
#include "rules/piece.h"

namespace view {

// A kind's letter in the international set, as its pieces show it: "P" … "K" for the shogi
// kinds, "+P" … "+R" for the promoted ones, "F" … "M" for the Chinese ones; "" for no kind.
const char* internationalName(int kind);

// The three texts of a move that went to (x, y), and the same as one line ("7f P").
record::MoveNotation moveNotation(platform::PieceSet set, int x, int y, rules::PieceCode piece);
std::string moveText(platform::PieceSet set, int x, int y, rules::PieceCode piece);

// What the hint adds to a move that promotes: "成", or "+" after the letter.
const char* promotionMark(platform::PieceSet set);

// The label of row `row` (1..9) on the board's right edge: "一" … "九", or "a" … "i".
std::string rankLabel(platform::PieceSet set, int row);

}  // namespace view
