#include "flow/position_editor.h"

#include "rules/board_flip.h"
#include "rules/setup.h"

namespace flow {

namespace {

// The promoted code of a piece that promotes; the code itself for one that does not.
rules::PieceCode promotedOf(rules::PieceCode c) {
    namespace k = rules::kind;
    switch (rules::magnitude(c)) {
        case k::歩:
        case k::香:
        case k::桂:
        case k::銀:
        case k::角:
        case k::飛:
            // Each promoted kind is the next magnitude, with the owner's sign kept.
            return c < 0 ? c - 1 : c + 1;
        default:
            return c;
    }
}

}  // namespace

void PositionEditor::begin(rules::SideId sideToMove) {
    editing_ = true;
    sideToMove_ = sideToMove == rules::GOTE ? rules::GOTE : rules::SENTE;
    heldSlot_ = -1;
    heldCode_ = rules::空;
    liftedX_ = liftedY_ = 0;
    settle(position_);
}

void PositionEditor::pressPalette(int slot, rules::PieceCode code) {
    liftedX_ = liftedY_ = 0;
    const bool again = slot == heldSlot_;
    heldSlot_ = again ? -1 : slot;
    heldCode_ = again ? rules::空 : code;
}

void PositionEditor::pressSquare(bool rightButton, int x, int y) {
    if (!rules::Board::onBoard(x, y)) return;
    rules::PieceCode& square = position_.board(x, y);
    if (heldCode_ != rules::空) {
        const rules::PieceCode code = rightButton ? promotedOf(heldCode_) : heldCode_;
        square = square == code ? rules::空 : code;
    } else if (liftedX_ != 0) {
        // A piece picked up goes where it is pressed, over whatever stood there.
        if (x != liftedX_ || y != liftedY_) {
            square = position_.board(liftedX_, liftedY_);
            position_.board(liftedX_, liftedY_) = rules::空;
        }
        liftedX_ = liftedY_ = 0;
    } else if (square != rules::空) {
        liftedX_ = x;
        liftedY_ = y;
    }
    settle(position_);
}

bool PositionEditor::pressStand(bool bottom, int k) {
    rules::Hand& hand = bottom ? position_.ownHand : position_.enemyHand;
    if (heldCode_ != rules::空) {
        // A promoted piece goes into the hand as its unpromoted kind; a king is never held.
        const int index = rules::handIndexOfKind(rules::magnitude(heldCode_));
        if (index == 0) return false;
        ++hand[index];
    } else {
        if (k < 1 || k > rules::kHandSize || hand[k] <= 0) return false;
        --hand[k];
    }
    settle(position_);
    return true;
}

void PositionEditor::layOutStart() {
    rules::layOutStartPosition(position_);
    sideToMove_ = rules::SENTE;
    liftedX_ = liftedY_ = 0;
    settle(position_);
}

void PositionEditor::clear() {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (!rules::isKingKind(rules::magnitude(position_.board(x, y))))
                position_.board(x, y) = rules::空;
        }
    }
    position_.ownHand.fill(0);
    position_.enemyHand.fill(0);
    liftedX_ = liftedY_ = 0;
    settle(position_);
}

void PositionEditor::flip() {
    rules::flipPosition(position_);
    liftedX_ = liftedY_ = 0;
    settle(position_);
}

bool PositionEditor::lifted(int& x, int& y) const {
    x = liftedX_;
    y = liftedY_;
    return liftedX_ != 0;
}

void settle(rules::Position& pos) {
    rules::調査_先手後手(pos);
    pos.ownHandTotal = rules::handSum(pos.ownHand);
    pos.enemyHandTotal = rules::handSum(pos.enemyHand);
    pos.winnerSide = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const rules::PieceCode c = pos.board(x, y);
            if (c == rules::自王 || c == rules::自将) {
                pos.ownKingX = x;
                pos.ownKingY = y;
            }
        }
    }
}

bool isUsualStart(const rules::Position& pos, rules::SideId sideToMove) {
    rules::Position usual;
    rules::layOutStartPosition(usual);
    return sideToMove == rules::SENTE && pos.board == usual.board && pos.ownHand == usual.ownHand &&
           pos.enemyHand == usual.enemyHand;
}

}  // namespace flow
