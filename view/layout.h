// Where things are on the window: board units (column, row) to twips, the window's size and the
// two layouts of the Chinese-hand switch.
#pragma once

namespace view {

constexpr double kBoardLeft = 1050;  // X of the left edge of column 0
constexpr double kSquareWidth = 495;
constexpr double kSquareHeight = 615;

// The back buffer covers everything the game ever paints (background tiles reach column 28 and
// row 15).
constexpr int kCanvasWidthTwips = 15600;
constexpr int kCanvasHeightTwips = 12000;
constexpr int kWindowWidth = 9600;

// What the Chinese-hand switch moves: with drops on there is room above the board for the top
// army's hand stand. The board's top edge and the window's height are twips, the level display's
// place is board units, the game name's line is twips.
struct DropsLayout {
    int boardTop;
    int windowHeight;
    double levelColumn;
    double levelRow;
    int recordTitleY;
};
constexpr DropsLayout kDropsOnLayout{1860, 11500, 1, -2, 8200};
constexpr DropsLayout kDropsOffLayout{700, 8500, -1.5, -0.5, 7100};
// The tallest the game makes the window.
constexpr int kTallestWindowTwips = kDropsOnLayout.windowHeight;

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
