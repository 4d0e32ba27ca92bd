#include "rules/handicap.h"

#include <cstdlib>

namespace rules {

namespace {

// The piece each grade lacks beyond the one before it, from 名人 (index 0) to ９級 (index 17);
// the even game (index 10) lacks nothing. The top army keeps its 将 at every grade: ９級 takes
// its second advisor instead.
constexpr HandicapSquare kSquares[kHandicapHighest - kHandicapLowest + 1] = {
    {6, 9, 自金}, {4, 9, 自金}, {7, 9, 自銀}, {3, 9, 自銀}, {8, 9, 自桂}, {2, 9, 自桂},
    {9, 9, 自香}, {1, 9, 自香}, {8, 8, 自飛}, {2, 8, 自角}, {0, 0, 空},   {2, 1, 敵馬},
    {9, 1, 敵車}, {3, 1, 敵象}, {8, 1, 敵馬}, {4, 1, 敵士}, {7, 1, 敵象}, {6, 1, 敵士},
};

}  // namespace

std::optional<HandicapSquare> handicapSquare(int grade) {
    if (grade == 0 || grade < kHandicapLowest || grade > kHandicapHighest) return std::nullopt;
    return kSquares[grade - kHandicapLowest];
}

HandicapStep handicapStep(Board& board, int grade, int direction) {
    HandicapStep step{grade, std::nullopt};
    if (direction == 0) return step;
    if (direction > 0 && grade >= kHandicapHighest) return step;
    if (direction < 0 && grade <= kHandicapLowest) return step;
    step.grade = grade + (direction > 0 ? 1 : -1);

    // Away from the even game the new grade's piece goes; back towards it the old grade's returns.
    const bool away = std::abs(step.grade) > std::abs(grade);
    std::optional<HandicapSquare> square = handicapSquare(away ? step.grade : grade);
    if (!square) return step;
    if (away) square->code = 空;
    board(square->x, square->y) = square->code;
    step.changed = square;
    return step;
}

}  // namespace rules
