#include "rules/setup.h"
#include "view/layout.h"
#include "view/screen.h"

namespace view {

Screen::Screen(platform::Canvas& canvas, platform::DayClock& clock, const rules::Position& position,
               const settings::Options& options)
    : canvas_(canvas), clock_(clock), position_(position), options_(options) {}

double Screen::x(double column) const {
    return twipsX(column);
}
double Screen::y(double row) const {
    return twipsY(options_.boardTop, row);
}

rules::SideId Screen::bottomArmy() const {
    rules::Position probe = position_;
    rules::調査_先手後手(probe);
    return probe.bottomSide;
}

void Screen::描画_絵(int code, double column, double row) {
    Picture picture;
    if (pictureOfDecorCode(code, picture)) {
        canvas_.drawPicture(pictures_.scalable(picture), x(column), y(row));
        return;
    }
    描画_絵駒(code, column, row);
}

void Screen::描画_絵駒(rules::PieceCode code, double column, double row) {
    Picture picture;
    if (pictureOfShogiCode(code, picture)) {
        canvas_.drawPicture(pictures_.scalable(picture, options_.pieceSet), x(column), y(row));
        return;
    }
    // A Chinese piece shows its owner's colours: with the Chinese army at the bottom its own
    // pieces carry the negative codes, so the code is turned before the picture is chosen.
    if (bottomArmy() == rules::SENTE) {
        描画_絵_中国将棋駒(code, column, row);
    } else {
        描画_絵_中国将棋駒(-code, column, row);
    }
}

void Screen::描画_絵_中国将棋駒(rules::PieceCode code, double column, double row) {
    Picture picture;
    if (pictureOfChineseCode(code, picture)) {
        canvas_.drawPicture(pictures_.scalable(picture, options_.pieceSet), x(column), y(row));
    }
}

void Screen::描画_背景(int code) {
    // The background covers every label.
    shownMoveCount_.reset();
    shownGrade_.reset();
    for (int c = -3; c <= 28; ++c) {
        for (int r = -3; r <= 15; ++r) {
            if (!rules::Board::onBoard(c, r)) 描画_絵(code, c, r);
        }
    }
}

}  // namespace view
