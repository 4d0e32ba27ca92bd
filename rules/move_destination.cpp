#include "rules/move_destination.h"

namespace rules {

bool 調査_移動結果(const Board& before, const Board& after, int& x, int& y, PieceCode& code) {
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            const PieceCode c = after(i, j);
            if (c != before(i, j) && c != 空) {
                x = i;
                y = j;
                code = c;
                return true;
            }
        }
    }
    return false;
}

}  // namespace rules
