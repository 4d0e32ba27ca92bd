#include "rules/pawn_files.h"

namespace rules {

void 調査_2歩フラグ設定(Position& pos) {
    for (int x = 1; x <= 9; ++x) updatePawnFile(pos, x);
}

void updatePawnFile(Position& pos, int x) {
    int own = 0;
    int enemy = 0;
    for (int y = 1; y <= 9; ++y) {
        own |= pos.board(x, y) == 自歩;
        enemy |= pos.board(x, y) == 敵歩;
    }
    pos.ownPawnFiles[x] = own;
    pos.enemyPawnFiles[x] = enemy;
}

}  // namespace rules
