// Move notation: a square and a piece in the words shown beside the board.
#pragma once

#include <string>

#include "rules/piece.h"

namespace record {

// 101..109 give the full-width digits "１".."９", 111..119 the kanji numerals "一".."九", and a
// piece code of either army its name ("歩", "角成", "将", …). Anything else, the advisor included,
// gives the empty text.
std::string 文字列変換(int code);

// The piece's name as a written record gives it: the name 文字列変換 gives, and "士" for the
// advisor, which has none beside the board.
std::string pieceName(rules::PieceCode piece);

// The three texts of a move that went to (x, y): the file counted from the right of the board
// (column 9 is file 1), the rank counted from the top, and the name of the piece standing there.
struct MoveNotation {
    std::string file;
    std::string rank;
    std::string piece;
};
MoveNotation moveNotation(int x, int y, rules::PieceCode piece);

// The same move as one line of text: file and rank, a blank, the piece ("７六 歩").
std::string moveText(int x, int y, rules::PieceCode piece);

}  // namespace record
