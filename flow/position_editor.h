// The position editor: what a press does to the position being set up (a piece taken from the
// palette, a piece picked up and moved, a hand count raised or lowered), the army to move first,
// and the buttons that lay out the usual start, empty the board and turn it. It edits the position
// it is given and knows nothing of the screen; the game draws what it reports.
#pragma once

#include "rules/position.h"

namespace flow {

class PositionEditor {
  public:
    explicit PositionEditor(rules::Position& position) : position_(position) {}

    // Editing begins on the position as it stands, `sideToMove` (SENTE or GOTE) to move first.
    void begin(rules::SideId sideToMove);
    void end() { editing_ = false; }
    bool editing() const { return editing_; }

    // A press on palette slot `slot` holding `code`: held until the same slot is pressed again.
    void pressPalette(int slot, rules::PieceCode code);
    // A press on a board square. With a palette piece held it is placed there (promoted with the
    // right button where the kind promotes), or taken off when the same piece stands there; with
    // nothing held a piece there is picked up, and the next press moves it.
    void pressSquare(bool rightButton, int x, int y);
    // A press on a hand stand (bottom: the bottom army's) at hand index k: a held palette piece
    // that can be held goes into that hand; with nothing held one of kind k leaves it. False when
    // nothing changed.
    bool pressStand(bool bottom, int k);

    void layOutStart();  // the usual start, the shogi army to move
    void clear();        // every piece off the board and out of the hands but the kings
    void switchSide() { sideToMove_ = -sideToMove_; }
    void flip();  // the board turned, each army keeping its pieces and its hand

    rules::SideId sideToMove() const { return sideToMove_; }
    int heldSlot() const { return heldSlot_; }
    rules::PieceCode heldCode() const { return heldCode_; }
    // The board square of a picked-up piece; false when none is held.
    bool lifted(int& x, int& y) const;

  private:
    rules::Position& position_;
    bool editing_ = false;
    rules::SideId sideToMove_ = rules::SENTE;
    int heldSlot_ = -1;
    rules::PieceCode heldCode_ = rules::空;
    int liftedX_ = 0, liftedY_ = 0;  // 0: nothing picked up
};

// The values kept with a board and hands set up follow them: the totals, the armies' ends and the
// bottom king's square.
void settle(rules::Position& pos);

// True when the board and hands are the usual start, the usual way up, with the shogi army to
// move: a record from it is an ordinary one.
bool isUsualStart(const rules::Position& pos, rules::SideId sideToMove);

}  // namespace flow
