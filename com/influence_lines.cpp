// Sliding pieces: the four straight lines of 香, 飛, 飛成 and the top 車, and the diagonals of
// 角 and 角成.
#include "com/influence_register.h"
#include "com/influence_settle.h"

namespace com {
namespace {

using rules::PieceCode;

// One ray from (x, y) in the direction (DX, DY), registering with the code c (whose sign names
// the army). The ray stops at the first piece, except at the other army's king: that one is
// registered, answered with the check marks, and passed.
template <int DX, int DY>
void settleRay(const rules::Board& board, InfluenceMap& m, PieceCode c, int x, int y) {
    const bool bottom = c < 0;
    InfluenceGrid& check = bottom ? m.ownCheck : m.enemyCheck;
    for (int tx = x + DX, ty = y + DY; rules::Board::onBoard(tx, ty); tx += DX, ty += DY) {
        const PieceCode b = board(tx, ty);
        const bool king = bottom ? detail::registerBottom(m, b, c, x, y, tx, ty)
                                 : detail::registerTopFull(m, b, c, x, y, tx, ty);
        if (b == 0) continue;
        if (!king) return;
        // The squares between the slider and the king, where a piece would block the check.
        for (int bx = tx - DX, by = ty - DY; bx != x || by != y; bx -= DX, by -= DY) {
            check(bx, by) = kCheckLine;
        }
        check(x, y) = kCheckPiece;
    }
}

template <int DX, int DY>
void settleRay(const rules::Position& pos, InfluenceMap& m, PieceCode c, int x, int y) {
    settleRay<DX, DY>(pos.board, m, c, x, y);
}

// The four diagonals, in the order up-left, up-right, down-left, down-right.
void settleDiagonals(const rules::Board& board, InfluenceMap& m, PieceCode c, int x, int y) {
    settleRay<-1, -1>(board, m, c, x, y);
    settleRay<+1, -1>(board, m, c, x, y);
    settleRay<-1, +1>(board, m, c, x, y);
    settleRay<+1, +1>(board, m, c, x, y);
}

}  // namespace

void 勢力確定上直進(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    settleRay<0, -1>(pos, map, code, x, y);
}

void 勢力確定下直進(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    settleRay<0, +1>(pos, map, code, x, y);
}

void 勢力確定右直進(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    settleRay<+1, 0>(pos, map, code, x, y);
}

void 勢力確定左直進(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    settleRay<-1, 0>(pos, map, code, x, y);
}

// The bottom bishop always enters the 角's code, also for a 角成.
void 勢力確定自角(const rules::Position& pos, InfluenceMap& map, int x, int y) {
    settleDiagonals(pos.board, map, rules::自角, x, y);
}

void 勢力確定敵角(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    settleDiagonals(pos.board, map, code, x, y);
}

}  // namespace com
