// Where things are on the window: board units (column, row) to twips and the window's size (the
// two layouts of the Chinese-hand switch are the options' business: settings/drops_layout.h).
#pragma once

#include "settings/drops_layout.h"

namespace view {

constexpr double kBoardLeft = 1050;  // X of the left edge of column 0
constexpr double kSquareWidth = 495;
constexpr double kSquareHeight = 615;

// The back buffer covers everything the game ever paints (background tiles reach column 28 and
// row 15).
constexpr int kCanvasWidthTwips = 15600;
constexpr int kCanvasHeightTwips = 12000;
constexpr int kWindowWidth = 9600;

// The tallest the game makes the window: drops on.
constexpr int kTallestWindowTwips = settings::kDropsOnLayout.windowHeight;

// The hand stands: cell k (the hand index) of the bottom army's stand is at row k, the top army's
// stand runs upwards, cell k at row 10 - k (cell 13 at row -3). The same sum turns a top-stand
// row back into its cell.
constexpr int topStandRow(int cell) {
    return 10 - cell;
}
constexpr int topStandCell(int row) {
    return 10 - row;
}

// Pictures are one square in size: 33×41 pixels at 15 twips a pixel. Background tiles are one
// pixel wider so that neighbouring tiles leave no seam.
constexpr int kPieceWidthPx = 33;
constexpr int kPieceHeightPx = 41;
constexpr int kTileWidthPx = 34;
constexpr int kTileHeightPx = 41;
constexpr int kTitleWidthPx = 161;
constexpr int kTitleHeightPx = 39;

constexpr double twipsX(double column) {
    return kBoardLeft + kSquareWidth * column;
}
constexpr double twipsY(double boardTop, double row) {
    return boardTop + kSquareHeight * row;
}

}  // namespace view
