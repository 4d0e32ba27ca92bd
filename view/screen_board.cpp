#include "view/layout.h"
#include "view/screen.h"

namespace view {

void Screen::描画_盤() {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            描画_絵(position_.board(c, r), c, r);
            描画_桝輪郭(settings::kOutlineColour, c, r);
        }
    }
}

void Screen::描画_桝輪郭(int colour, double column, double row) {
    canvas_.outline(colour, x(column), y(row), x(column) + kSquareWidth, y(row) + kSquareHeight);
}

void Screen::描画_四角形(int colour, double column, double row, double widthTwips,
                         double heightTwips) {
    canvas_.fill(colour, x(column), y(row), widthTwips, heightTwips);
}

void Screen::描画_将棋盤桝() {
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) 描画_桝輪郭(settings::kOutlineColour, c, r);
    }
}

void Screen::描画_駒点滅(rules::PieceCode code, double column, double row, int count) {
    for (int i = 0; i < count; ++i) {
        描画_絵(rules::空, column, row);
        描画_桝輪郭(settings::kOutlineColour, column, row);
        canvas_.repaintNow();
        clock_.pause(0.1);
        描画_絵(code, column, row);
        描画_桝輪郭(settings::kOutlineColour, column, row);
        canvas_.repaintNow();
        clock_.pause(0.1);
    }
}

}  // namespace view
