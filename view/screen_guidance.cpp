#include "rules/move_check.h"
#include "view/screen.h"

namespace view {

void Screen::描画_移動可能桝色(int fromColumn, int fromRow, int colour, rules::PieceCode piece) {
    描画_将棋盤桝();
    if (!options_.guidance) return;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            if (rules::移動チェック(position_, fromColumn, fromRow, c, r, piece) == 1) {
                描画_桝輪郭(colour, c, r);
            }
        }
    }
}

}  // namespace view
