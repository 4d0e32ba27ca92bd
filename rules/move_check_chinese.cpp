// The Chinese army's sliding tests; the stepping patterns are in line in move_check_chinese.h.
#include "rules/move_check.h"

namespace rules {

int 移動チェック中国車(const Board& b, int fromX, int fromY, int toX, int toY) {
    return 移動チェック飛車(b, fromX, fromY, toX, toY);
}

int 移動チェック車(const Board& b, int fromX, int fromY, int toX, int toY) {
    return 移動チェック飛車(b, fromX, fromY, toX, toY);
}

int 移動チェック砲取(const Board& b, int fromX, int fromY, int toX, int toY) {
    int screens = 0;
    if (fromX == toX) {
        const int lo = fromY < toY ? fromY : toY;
        const int hi = fromY < toY ? toY : fromY;
        for (int y = lo + 1; y < hi; ++y) screens += b.sq[fromX][y] != 空;
    } else if (fromY == toY) {
        const int lo = fromX < toX ? fromX : toX;
        const int hi = fromX < toX ? toX : fromX;
        for (int x = lo + 1; x < hi; ++x) screens += b.sq[x][fromY] != 空;
    }
    return screens == 1;
}

}  // namespace rules
