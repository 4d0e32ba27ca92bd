// A move outlined on the board in a colour of its own, as the hint and the review's better move
// show theirs: the cell it starts from (for a drop, the stand cell as it is drawn) and the square
// it goes to, each outlined round the cell and once more just inside it. The outline stays until
// it is erased, which draws the two cells again as the position has them.
#pragma once

#include "com/com_state.h"
#include "flow/game_state.h"
#include "platform/canvas.h"
#include "rules/position.h"
#include "view/screen.h"

namespace flow {

class MoveOutline {
  public:
    MoveOutline(view::Screen& screen, platform::Canvas& canvas)
        : screen_(screen), canvas_(canvas) {}

    // Outlines `m`, in the coordinates of the board as it is shown, and repaints.
    void show(int colour, const com::ComMove& m);
    // Outlines the move shown once more, after the board was drawn anew under it.
    void redraw();
    // The two cells drawn again as `pos` has them, a held piece keeping its outline.
    void erase(const rules::Position& pos, const GameState& selection);
    bool shown() const { return shown_; }

  private:
    void draw();

    view::Screen& screen_;
    platform::Canvas& canvas_;
    bool shown_ = false;
    int colour_ = 0;
    int fromX_ = 0, fromY_ = 0, toX_ = 0, toY_ = 0;
};

}  // namespace flow
