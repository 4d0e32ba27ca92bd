// Reach maps: every square a piece may go to, drawn as a 9×9 grid so a test reads like the board.
#pragma once

#include <string>

#include "rules/move_check.h"
#include "support/diagram.h"

namespace testsupport {

// '*' where 移動チェック allows the move, 'o' on the from-square, '.' elsewhere; rows top first.
inline std::string reachOf(const rules::Position& pos, int fromX, int fromY,
                           rules::PieceCode code) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            char c = '.';
            if (x == fromX && y == fromY) {
                c = 'o';
            } else if (rules::移動チェック(pos, fromX, fromY, x, y, code)) {
                c = '*';
            }
            out += c;
        }
        out += '\n';
    }
    return out;
}

// The reach of the piece standing on (x, y).
inline std::string reachOf(const rules::Position& pos, int x, int y) {
    return reachOf(pos, x, y, pos.board(x, y));
}

// An expected reach map written with any spacing: nine rows of nine of '*', 'o', '.'.
inline std::string grid(const std::string& text) {
    std::string cells;
    for (char c : text) {
        if (c == '*' || c == 'o' || c == '.') cells += c;
    }
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out += cells[i];
        if (i % 9 == 8) out += '\n';
    }
    return out;
}

// A position with nothing on the board.
inline rules::Position emptyPosition() {
    return rules::Position{};
}

// A position holding the single piece `code` on (x, y).
inline rules::Position lone(rules::PieceCode code, int x, int y) {
    rules::Position pos;
    pos.board(x, y) = code;
    return pos;
}

}  // namespace testsupport
