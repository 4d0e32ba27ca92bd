// Mate tests of both kings.
//
// The two tests are close mirrors with one deliberate difference: the computer's test rebuilds
// the influence map after every trial move, the human's asks the move check directly.
#include "com/mate.h"

#include "com/influence_survey.h"
#include "rules/move_check.h"

namespace com {
namespace {

using rules::PieceCode;

constexpr bool nextTo(int x, int y, int kx, int ky) {
    return x - kx >= -1 && x - kx <= 1 && y - ky >= -1 && y - ky <= 1;
}

// Whether a piece dropped between a slider and the king answers every check. A check from a
// piece standing next to the king (or a 桂 mark on the king's own square) cannot be blocked, and
// squares marked 1 are tried one by one with a 歩 of the defending army standing there: one that
// leaves some checker still reaching the king means a drop does not help. When the scan finds no
// such obstacle a drop is taken to save the king. Any piece in hand may block, a 卒 too: it may
// be dropped on any empty square.
bool dropBlocks(rules::Position& pos, const InfluenceGrid& check, PieceCode blocker, int kx,
                int ky) {
    rules::Board& board = pos.board;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int mark = check(x, y);
            if (mark == kCheckPiece && nextTo(x, y, kx, ky)) return false;
            if (mark != kCheckLine) continue;
            const PieceCode saved = board(x, y);
            board(x, y) = blocker;
            bool stillChecked = false;
            for (int cx = 1; cx <= 9 && !stillChecked; ++cx) {
                for (int cy = 1; cy <= 9; ++cy) {
                    if (check(cx, cy) != kCheckPiece) continue;
                    if (rules::移動チェック(pos, cx, cy, kx, ky, board(cx, cy)) == 1) {
                        stillChecked = true;
                        break;
                    }
                }
            }
            board(x, y) = saved;
            if (stillChecked) return false;
        }
    }
    return true;
}

// Whether the king may step to a neighbour that the other army does not attack. The king moves
// as a 王 here, whichever king the army has.
bool canEscape(const rules::Position& pos, const InfluenceGrid& attacks, PieceCode kingCode, int kx,
               int ky) {
    for (int i = kx - 1; i <= kx + 1; ++i) {
        for (int j = ky - 1; j <= ky + 1; ++j) {
            if (!rules::Board::onBoard(i, j)) continue;
            if (rules::移動チェック(pos, kx, ky, i, j, kingCode) == 1 && attacks(i, j) == 0) {
                return true;
            }
        }
    }
    return false;
}

// Makes a trial move on the board and undoes it when it goes out of scope.
class TrialMove {
  public:
    TrialMove(rules::Board& board, int x, int y, int i, int j)
        : board_(board), x_(x), y_(y), i_(i), j_(j), piece_(board(x, y)), taken_(board(i, j)) {
        board_(i_, j_) = piece_;
        board_(x_, y_) = rules::空;
    }
    ~TrialMove() {
        board_(x_, y_) = piece_;
        board_(i_, j_) = taken_;
    }
    TrialMove(const TrialMove&) = delete;
    TrialMove& operator=(const TrialMove&) = delete;

  private:
    rules::Board& board_;
    int x_, y_, i_, j_;
    PieceCode piece_, taken_;
};

}  // namespace

int 詰めかMAN_COM移動(const rules::Position& pos) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c < 1) continue;
            if (rules::移動チェック(pos, x, y, pos.ownKingX, pos.ownKingY, c) == 1) return 1;
        }
    }
    return 0;
}

int 調査_自王逃道(const rules::Position& pos, InfluenceMap& map) {
    const int kx = pos.ownKingX;
    const int ky = pos.ownKingY;
    const int order[8][2] = {{0, -1},  {-1, -1}, {+1, -1}, {0, +1},
                             {-1, +1}, {+1, +1}, {-1, 0},  {+1, 0}};
    int count = 0;
    for (const auto& d : order) {
        const int x = kx + d[0];
        const int y = ky + d[1];
        if (!rules::Board::onBoard(x, y)) continue;
        if (pos.board(x, y) == rules::空 && map.enemyAttacks(x, y) == 0) {
            map.ownKingEscapeMarks(x, y) = 1;
            ++count;
        }
    }
    return count;
}

int 詰めかMAN(rules::Position& pos, const InfluenceMap& map) {
    const int kx = pos.ownKingX;
    const int ky = pos.ownKingY;
    if (map.enemyAttacks(kx, ky) == 0) return 0;

    if (pos.ownHandTotal != 0 && dropBlocks(pos, map.enemyCheck, rules::自歩, kx, ky)) return 0;

    if (canEscape(pos, map.enemyAttacks, rules::自王, kx, ky)) return 0;

    // Take a checker or stand between, with any piece but the king.
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c < -19 || c > -1) continue;
            for (int i = 1; i <= 9; ++i) {
                for (int j = 1; j <= 9; ++j) {
                    if ((i == x && j == y) || map.enemyCheck(i, j) <= 0) continue;
                    if (rules::移動チェック(pos, x, y, i, j, c) != 1) continue;
                    int attacked;
                    {
                        TrialMove trial(pos.board, x, y, i, j);
                        attacked = 詰めかMAN_COM移動(pos);
                    }
                    if (attacked == 0) return 0;
                }
            }
        }
    }
    return 1;
}

int 詰めかCOM(rules::Position& pos, InfluenceMap& map, rules::SideId side) {
    const bool king = side == rules::SENTE;
    const int kx = king ? map.enemyKingX : map.enemyGeneralX;
    const int ky = king ? map.enemyKingY : map.enemyGeneralY;
    if (map.ownAttacks(kx, ky) == 0) return 0;

    if (pos.enemyHandTotal > 0 && dropBlocks(pos, map.ownCheck, rules::敵歩, kx, ky)) return 0;

    if (canEscape(pos, map.ownAttacks, rules::敵王, kx, ky)) return 0;

    // Take a checker or stand between. Every trial rebuilds the map, so the marks read here are
    // those of the last position tried.
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c < 1 || c > 19) continue;
            for (int i = 1; i <= 9; ++i) {
                for (int j = 1; j <= 9; ++j) {
                    if ((i == x && j == y) || map.ownCheck(i, j) <= 0) continue;
                    if (rules::移動チェック(pos, x, y, i, j, c) != 1) continue;
                    {
                        TrialMove trial(pos.board, x, y, i, j);
                        勢力調査(pos, map);
                    }
                    if (map.ownAttacks(kx, ky) == 0) return 0;
                }
            }
        }
    }
    return 1;
}

}  // namespace com
