#include "support/diagram.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "rules/setup.h"

namespace testsupport {
namespace {
const char* const kNames[] = {"",   "歩",   "と",   "卒", "香", "香成", "桂", "桂成",
                              "車", "銀",   "銀成", "馬", "象", "金",   "角", "角成",
                              "飛", "飛成", "士",   "砲", "王", "将"};

rules::PieceCode parseCell(const std::string& cell) {
    if (cell == ".") return 0;
    const int sign = cell.rfind("v", 0) == 0 ? 1 : cell.rfind("^", 0) == 0 ? -1 : 0;
    if (sign == 0) throw std::invalid_argument("diagram cell needs v or ^: " + cell);
    const std::string name = cell.substr(1);
    for (int k = 1; k <= rules::kind::count; ++k) {
        if (name == kNames[k]) return sign * k;
    }
    throw std::invalid_argument("unknown piece in diagram: " + cell);
}
}  // namespace

rules::Board boardFrom(const std::string& diagram) {
    std::istringstream in(diagram);
    std::vector<std::string> cells;
    for (std::string cell; in >> cell;) cells.push_back(cell);
    if (cells.size() != 81) throw std::invalid_argument("diagram needs 81 cells");
    rules::Board b;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) b(x, y) = parseCell(cells[(y - 1) * 9 + (x - 1)]);
    }
    return b;
}

rules::Position positionFrom(const std::string& diagram) {
    rules::Position pos;
    pos.board = boardFrom(diagram);
    rules::調査_先手後手(pos);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (pos.board(x, y) == rules::自王 || pos.board(x, y) == rules::自将) {
                pos.ownKingX = x;
                pos.ownKingY = y;
            }
        }
    }
    return pos;
}

std::string diagramOf(const rules::Board& board) {
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            const rules::PieceCode c = board(x, y);
            if (x > 1) out += ' ';
            out += c == 0 ? "." : std::string(c > 0 ? "v" : "^") + kNames[rules::magnitude(c)];
        }
        out += '\n';
    }
    return out;
}

}  // namespace testsupport
