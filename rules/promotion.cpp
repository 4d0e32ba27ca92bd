#include "rules/promotion.h"

namespace rules {

int 調査_駒成(Position& pos, int fromX, int fromY, int /*toX*/, int toY, PieceCode code) {
    if (isDropFrom(fromX)) return 0;
    bool may = false;
    switch (code) {
        case 自歩:
        case 自香:
        case 自桂:
            may = toY <= 3;
            break;
        case 自銀:
        case 自角:
        case 自飛:
            may = toY <= 3 || fromY <= 3;
            break;
        case 敵歩:
        case 敵香:
        case 敵桂:
            may = toY >= 7;
            break;
        case 敵銀:
        case 敵角:
        case 敵飛:
            may = toY >= 7 || fromY >= 7;
            break;
        default:
            break;
    }
    if (!may) return 0;
    pos.promotedCode = isBottom(code) ? code - 1 : code + 1;
    return 1;
}

int 移動後チェック(int toY, PieceCode code) {
    switch (code) {
        case 敵歩:
        case 敵香:
            return toY != 9;
        case 敵桂:
            return toY < 8;
        case 自歩:
        case 自香:
            return toY != 1;
        case 自桂:
            return toY > 2;
        default:
            return 1;
    }
}

}  // namespace rules
