// Where things are on the window: board units (column, row) to twips.
#pragma once

namespace view {

constexpr double kBoardLeft = 1050;  // X of the left edge of column 0
constexpr double kSquareWidth = 495;
constexpr double kSquareHeight = 615;

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
