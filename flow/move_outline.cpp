#include "flow/move_outline.h"

#include <utility>

#include "settings/options.h"
#include "view/layout.h"

namespace flow {

namespace {

// The second outline runs one pixel inside the cell's own.
constexpr double kInsetTwips = platform::kTwipsPerPixel;

}  // namespace

void MoveOutline::show(int colour, const com::ComMove& m) {
    colour_ = colour;
    fromX_ = m.fromX;
    fromY_ = m.fromY;
    toX_ = m.toX;
    toY_ = m.toY;
    // A drop from the top stand starts from its cell as it is drawn: that stand counts up from
    // row 9.
    if (m.fromX == rules::kTopHandX) fromY_ = view::topStandRow(m.fromY);
    shown_ = true;
    draw();
}

void MoveOutline::redraw() {
    if (shown_) draw();
}

void MoveOutline::draw() {
    for (const auto& [c, r] : {std::pair{fromX_, fromY_}, {toX_, toY_}}) {
        screen_.描画_桝輪郭(colour_, c, r);
        canvas_.outline(colour_, screen_.x(c) + kInsetTwips, screen_.y(r) + kInsetTwips,
                        screen_.x(c) + view::kSquareWidth - kInsetTwips,
                        screen_.y(r) + view::kSquareHeight - kInsetTwips);
    }
    canvas_.repaintNow();
}

void MoveOutline::erase(const rules::Position& pos, const GameState& s) {
    if (!shown_) return;
    shown_ = false;
    for (const auto& [c, r] : {std::pair{fromX_, fromY_}, {toX_, toY_}}) {
        if (rules::Board::onBoard(c, r)) {
            screen_.描画_絵(pos.board(c, r), c, r);
        } else if (c == rules::kBottomHandX) {
            screen_.描画_自持盤();
        } else {
            screen_.描画_敵持盤();
        }
        const bool held = s.selectState && s.fromX == c && s.fromY == r;
        screen_.描画_桝輪郭(held ? kSelectColour : settings::kOutlineColour, c, r);
    }
}

}  // namespace flow
