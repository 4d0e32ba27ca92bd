// What the Chinese-hand switch (中国側持駒OK) moves on the window: with drops on there is room
// above the board for the top army's hand stand. The board's top edge and the window's height are
// twips, the level display's place is board units, the game name's line is twips.
#pragma once

namespace settings {

struct DropsLayout {
    int boardTop;
    int windowHeight;
    double levelColumn;
    double levelRow;
    int recordTitleY;
};
constexpr DropsLayout kDropsOnLayout{1860, 11500, 1, -2, 8200};
constexpr DropsLayout kDropsOffLayout{700, 8500, -1.5, -0.5, 7100};

}  // namespace settings
