// The player's options: the check marks of the option menu and the layout values that follow
// from them. The menu shows these values; the settings file stores them.
#pragma once

#include <optional>

#include "lang/language.h"
#include "platform/palette.h"
#include "platform/piece_set.h"
#include "record/time_control.h"
#include "settings/drops_layout.h"

namespace settings {

// Picture codes of the five background tiles.
constexpr int kMidori = 22;  // 緑
constexpr int kTatami = 23;  // 畳
constexpr int kTake = 24;    // 竹
constexpr int kUchu = 25;    // 宇宙
constexpr int kRenga = 26;   // 煉瓦
constexpr int kTitlePicture = 27;

// The squares' outline (the grid) and the mark of the squares a held piece may reach.
constexpr int kOutlineColour = platform::palette::kGreen;
constexpr int kGuidanceColour = platform::palette::kWhite;

struct Options {
    // Check marks.
    int checkedBackground = kTatami;  // picture code of the one ticked background item, 0 = none
    bool guidance = false;            // 移動指導
    bool elapsedTime = false;         // 経過時間
    bool chineseDrops = false;        // 中国側持駒OK
    bool music = false;               // BGM
    bool moveList = false;            // 棋譜一覧: the list of moves beside the board
    // The language ticked in 言語 / Language; none until the player picks one, and then the
    // system's language is used.
    std::optional<lang::Language> language;
    platform::PieceSet pieceSet = platform::PieceSet::Kanji;  // 駒の種類
    // The computer's level ticked in COM対局ﾚﾍﾞﾙ (1..4), kept once the player has picked one;
    // none plays at the level a game starts with.
    std::optional<int> comLevel;
    // 持ち時間: the time control both armies play to; none keeps the clocks adding up.
    record::TimeControl timeControl;

    // Values that follow from them.
    int background = kTatami;             // current background picture code
    int guidanceColour = kOutlineColour;  // kGuidanceColour while guidance is on
    // Layout of the Chinese-hand switch (twips and board units).
    int boardTop = kDropsOnLayout.boardTop;
    int windowHeight = kDropsOnLayout.windowHeight;
    double levelColumn = kDropsOnLayout.levelColumn;
    double levelRow = kDropsOnLayout.levelRow;
    int recordTitleY = kDropsOnLayout.recordTitleY;

    // Applies the layout of the drops option: on makes room above the board for the top army's
    // hand stand.
    void applyDropsLayout(bool on) {
        const DropsLayout& l = on ? kDropsOnLayout : kDropsOffLayout;
        boardTop = l.boardTop;
        windowHeight = l.windowHeight;
        levelColumn = l.levelColumn;
        levelRow = l.levelRow;
        recordTitleY = l.recordTitleY;
    }
};

}  // namespace settings
