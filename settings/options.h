// The player's options: the check marks of the option menu and the layout values that follow
// from them. The menu shows these values; the settings file stores them.
#pragma once

namespace settings {

// Picture codes of the five background tiles.
constexpr int kMidori = 22;  // 緑
constexpr int kTatami = 23;  // 畳
constexpr int kTake = 24;    // 竹
constexpr int kUchu = 25;    // 宇宙
constexpr int kRenga = 26;   // 煉瓦
constexpr int kTitlePicture = 27;

struct Options {
    // Check marks.
    int checkedBackground = kTatami;  // picture code of the one ticked background item, 0 = none
    bool guidance = false;            // 移動指導
    bool elapsedTime = false;         // 経過時間
    bool chineseDrops = false;        // 中国側持駒OK
    bool music = false;               // BGM
    bool moveList = false;            // 棋譜一覧: the list of moves beside the board

    // Values that follow from them.
    int background = kTatami;  // current background picture code
    int guidanceColour = 2;    // 15 while guidance is on, else the outline colour
    // Layout of the Chinese-hand switch (twips and board units).
    int boardTop = 1860;
    int windowHeight = 11500;
    double levelColumn = 1;
    double levelRow = -2;
    int recordTitleY = 8200;

    // Applies the layout column of the drops option: on makes room above the board for the top
    // army's hand stand.
    void applyDropsLayout(bool on) {
        boardTop = on ? 1860 : 700;
        windowHeight = on ? 11500 : 8500;
        levelColumn = on ? 1 : -1.5;
        levelRow = on ? -2 : -0.5;
        recordTitleY = on ? 8200 : 7100;
    }
};

constexpr int kOutlineColour = 2;
constexpr int kWindowWidth = 9600;

}  // namespace settings
