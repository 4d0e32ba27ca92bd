#include "rules/position_check.h"

#include <array>

#include "rules/move_check.h"
#include "rules/promotion.h"
#include "rules/setup.h"

namespace rules {

namespace {

// The kind a piece is counted as: its unpromoted kind.
int countedKind(int k) {
    const int index = handIndexOfKind(k);
    return index == 0 ? k : kHandKind[index];
}

PositionFault faultOf(PositionFaultKind fault) {
    PositionFault f;
    f.fault = fault;
    return f;
}

// The army (+1 top, -1 bottom) that `side` plays.
int armyOf(const Position& pos, SideId side) {
    return side == pos.topSide ? 1 : -1;
}

PositionFault checkKings(const Position& pos) {
    for (const SideId side : {SENTE, GOTE}) {
        const int army = armyOf(pos, side);
        const int king = side == SENTE ? kind::王 : kind::将;
        int kings = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) kings += pos.board(x, y) == army * king;
        if (kings != 1) {
            PositionFault f =
                faultOf(kings == 0 ? PositionFaultKind::MissingKing : PositionFaultKind::TwoKings);
            f.kind = king;
            return f;
        }
    }
    return {};
}

PositionFault checkSquares(const Position& pos) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            PositionFault f;
            f.x = x;
            f.y = y;
            f.code = c;
            // A 将 stands only in its palace: it could never walk back into it.
            if ((c == 敵将 && !detail::inTopPalace(x, y)) ||
                (c == 自将 && !detail::inBottomPalace(x, y))) {
                f.fault = PositionFaultKind::KingOutsidePalace;
                return f;
            }
            if (c != 空 && 移動後チェック(y, c) == 0) {
                f.fault = PositionFaultKind::PieceCannotMove;
                return f;
            }
        }
    }
    return {};
}

PositionFault checkPawnFiles(const Position& pos) {
    for (int x = 1; x <= 9; ++x) {
        int top = 0, bottom = 0;
        for (int y = 1; y <= 9; ++y) {
            top += pos.board(x, y) == 敵歩;
            bottom += pos.board(x, y) == 自歩;
        }
        if (top > 1 || bottom > 1) {
            PositionFault f = faultOf(PositionFaultKind::TwoPawnsOnAFile);
            f.x = x;
            return f;
        }
    }
    return {};
}

PositionFault checkCounts(const Position& pos) {
    std::array<int, kind::count + 1> count{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (pos.board(x, y) != 空) ++count[countedKind(magnitude(pos.board(x, y)))];
    for (int i = 1; i <= kHandSize; ++i) count[kHandKind[i]] += pos.ownHand[i] + pos.enemyHand[i];
    for (int k = 1; k <= kind::count; ++k) {
        if (count[k] > piecesOfKind(k)) {
            PositionFault f = faultOf(PositionFaultKind::TooManyOfAKind);
            f.kind = k;
            f.limit = piecesOfKind(k);
            return f;
        }
    }
    return {};
}

PositionFault checkKingSafety(const Position& pos, SideId sideToMove) {
    const int mover = armyOf(pos, sideToMove);
    const PieceCode target = -mover * (sideToMove == SENTE ? kind::将 : kind::王);
    int kx = 0, ky = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (pos.board(x, y) == target) kx = x, ky = y;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c * mover > 0 && 移動チェック(pos, x, y, kx, ky, c) == 1)
                return faultOf(PositionFaultKind::KingCanBeTaken);
        }
    }
    return {};
}

}  // namespace

int piecesOfKind(int k) {
    static const std::array<int, kind::count + 1> counts = [] {
        std::array<int, kind::count + 1> c{};
        Position start;
        layOutStartPosition(start);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (start.board(x, y) != 空) ++c[countedKind(magnitude(start.board(x, y)))];
        return c;
    }();
    return isKind(k) ? counts[countedKind(k)] : 0;
}

PositionFault checkPosition(const Position& pos, SideId sideToMove) {
    for (const auto check : {checkKings, checkSquares, checkPawnFiles, checkCounts}) {
        const PositionFault f = check(pos);
        if (!f.ok()) return f;
    }
    return checkKingSafety(pos, sideToMove);
}

}  // namespace rules
