// Writes the benchmark suite: positions reached by seeded random play, one entry line each, all
// with the top army (the computer's) to move. Half the games are played with the board turned
// (the shogi army on top) and half of those with Chinese drops allowed, so every kind of
// evaluation term is met.
//
//   bench_make_positions [count] [seed] > bench/data/positions.txt
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "record/entry_line.h"
#include "rules/make_move.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"
#include "rules/promotion.h"
#include "rules/setup.h"

namespace {

using rules::PieceCode;
using rules::Position;

struct Move {
    int fx, fy, tx, ty;
    PieceCode code;
};

// The board turned half round: x and y mirrored, every code negated, the hands swapped.
void turnBoard(Position& pos) {
    rules::Board turned;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) turned(x, y) = -pos.board(10 - x, 10 - y);
    }
    pos.board = turned;
    std::swap(pos.ownHand, pos.enemyHand);
    std::swap(pos.ownHandTotal, pos.enemyHandTotal);
    rules::調査_先手後手(pos);
}

void findBottomKing(Position& pos) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (pos.board(x, y) == rules::自王 || pos.board(x, y) == rules::自将) {
                pos.ownKingX = x;
                pos.ownKingY = y;
            }
        }
    }
}

// Every move the rules allow the army of the given sign (+1 top, -1 bottom).
std::vector<Move> movesOf(Position& pos, int sign, bool mayDrop) {
    rules::調査_2歩フラグ設定(pos);
    std::vector<Move> moves;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c * sign <= 0) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (rules::移動チェック(pos, x, y, tx, ty, c) == 1) {
                        moves.push_back({x, y, tx, ty, c});
                    }
                }
            }
        }
    }
    if (!mayDrop) return moves;
    const rules::Hand& hand = sign > 0 ? pos.enemyHand : pos.ownHand;
    const int handX = sign > 0 ? rules::kTopHandX : rules::kBottomHandX;
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (hand[k] <= 0) continue;
        const PieceCode c = sign * rules::kHandKind[k];
        for (int tx = 1; tx <= 9; ++tx) {
            for (int ty = 1; ty <= 9; ++ty) {
                if (rules::移動チェック(pos, handX, k, tx, ty, c) == 1) {
                    moves.push_back({handX, k, tx, ty, c});
                }
            }
        }
    }
    return moves;
}

}  // namespace

int main(int argc, char** argv) {
    const int wanted = argc > 1 ? std::atoi(argv[1]) : 60;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20240611u;
    std::mt19937 rng(seed);
    int written = 0;
    for (int game = 0; written < wanted; ++game) {
        Position pos;
        rules::layOutStartPosition(pos);
        const bool turned = game % 2 == 1;
        const bool chineseDrops = game % 4 >= 2;
        if (turned) turnBoard(pos);
        findBottomKing(pos);
        // The shogi army moves first: the bottom army unless the board is turned.
        int sign = turned ? 1 : -1;
        const int plies = 12 + static_cast<int>(rng() % 50);
        for (int ply = 0; ply < plies && pos.winnerSide == 0; ++ply) {
            const bool shogiToMove = (sign < 0) != turned;
            std::vector<Move> moves = movesOf(pos, sign, shogiToMove || chineseDrops);
            if (moves.empty()) break;
            // Captures are taken more often than chance would, so material changes hands.
            std::vector<Move> captures;
            for (const Move& m : moves) {
                if (!rules::isDropFrom(m.fx) && pos.board(m.tx, m.ty) != 0) captures.push_back(m);
            }
            const std::vector<Move>& pool = !captures.empty() && rng() % 3 == 0 ? captures : moves;
            const Move m = pool[rng() % pool.size()];
            PieceCode arrival = m.code;
            if (rules::調査_駒成(pos, m.fx, m.fy, m.tx, m.ty, m.code) == 1 &&
                (rules::移動後チェック(m.ty, m.code) == 0 || rng() % 2 == 0)) {
                arrival = pos.promotedCode;
            }
            rules::駒移動(pos, m.fx, m.fy, m.tx, m.ty, arrival);
            sign = -sign;
        }
        if (pos.winnerSide != 0 || sign != 1) continue;
        record::MoveEntry entry;
        entry.boardAt = pos.board;
        entry.ownHandAt = pos.ownHand;
        entry.enemyHandAt = pos.enemyHand;
        std::printf("%s\n", record::encodeEntryLine(entry).c_str());
        ++written;
    }
    return 0;
}
