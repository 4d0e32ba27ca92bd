// Turning presses on the window into selections and moves.
#include <cmath>

#include "flow/game.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"
#include "rules/promotion.h"
#include "view/layout.h"

namespace flow {

namespace {

// The grid cell of a press: rounded down, so a press left of or above the board gives a negative
// cell. Presses far off the grid give false (nothing there is ever pressed).
bool cellOf(double twips, double origin, double size, int& cell) {
    const double c = std::floor((twips - origin) / size);
    if (!(c >= -100 && c <= 100)) return false;
    cell = static_cast<int>(c);
    return true;
}

// The kinds a right press may promote: 歩 香 桂 銀 角 飛 of either army.
bool promotable(rules::PieceCode piece) {
    switch (rules::magnitude(piece)) {
        case rules::kind::歩:
        case rules::kind::香:
        case rules::kind::桂:
        case rules::kind::銀:
        case rules::kind::角:
        case rules::kind::飛:
            return true;
        default:
            return false;
    }
}

// Hand-stand cells: the bottom army's run down column 11 from row 1, the top army's up column -1
// from row 9 (cell 13 at row -3).
constexpr int kStandCells = rules::kHandSize;
constexpr int kTopStandFirstRow = view::topStandRow(kStandCells);
constexpr int kTopStandLastRow = view::topStandRow(1);
// With Chinese drops off, a bottom-stand selection past this cell keeps the press on an own piece
// from moving the selection.
constexpr int kLastSwitchableCell = 5;

// True when the piece belongs to the side to move.
bool ownsPiece(const GameState& state, const rules::Position& position, rules::PieceCode piece) {
    return (rules::isBottom(piece) && state.sideToMove == position.bottomSide) ||
           (rules::isTop(piece) && state.sideToMove == position.topSide);
}

}  // namespace

void Game::Form_MouseDown(int button, double xTwips, double yTwips) {
    if (editing_.editing()) {
        editing_.editPress(button, xTwips, yTwips);
        return;
    }
    // A press that closes the shown panel does only that.
    if (panel_.shown()) {
        panel_.hide();
        return;
    }
    panel_.hide();
    // While the computer thinks (its move or a hint) the board takes no press.
    if (computer_.searching()) {
        sounds_.play(settings::Sound::禁止);
        return;
    }
    computer_.eraseHint(position_, state_);
    if (state_.kifuMode) {
        const platform::Answer a =
            dialogs_.show(translated("Game", "棋譜を '進 'で進めて下さい"),
                          translated("Game", "棋譜"), platform::Buttons::YesNo);
        if (a == platform::Answer::No) {
            sounds_.play(settings::Sound::禁止);
            初期設定();
        }
        return;
    }
    // Play goes on from the position shown: the review's better move is taken away.
    recordView_.eraseBetterMove();
    int c = 0, r = 0;
    const bool onGrid = cellOf(xTwips, view::kBoardLeft, view::kSquareWidth, c) &&
                        cellOf(yTwips, options_.boardTop, view::kSquareHeight, r);
    if (state_.sideToMove == 0) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(translated("Game", "「対局」で始めて下さい"), translated("Game", "開始"),
                      platform::Buttons::Ok);
        return;
    }
    // Where a king was taken the game is over, whatever was stepped into; a game stopped at a
    // full record stays stopped until 戻 makes room.
    if (announceTakenKing()) return;
    if (recordFull(moves_)) {
        refuseFullRecord();
        return;
    }
    resumeAtClick();
    // The computer's reply at the resume may have ended the game (and reset the board) or
    // filled the record.
    if (shutDown_ || state_.sideToMove == 0 || !onGrid || recordFull(moves_)) return;

    if (rules::Board::onBoard(c, r)) {
        pressBoardSquare(button, c, r);
    } else if (c == rules::kBottomHandX && r >= 1 && r <= kStandCells) {
        pressStand(SelectionFrom::BottomStand, r);
    } else if (c == rules::kTopHandX && r >= kTopStandFirstRow && r <= kTopStandLastRow) {
        pressStand(SelectionFrom::TopStand, r);
    }
}

void Game::pressBoardSquare(int button, int c, int r) {
    GameState& s = state_;
    const int hint = options_.guidanceColour;
    const rules::PieceCode piece = position_.board(c, r);

    if (!s.selectState) {
        if (piece == rules::空) return;
        // Either army's piece shows where it may go; only the mover's own is taken up.
        s.from = SelectionFrom::Board;
        s.fromX = c;
        s.fromY = r;
        s.movePiece = piece;
        screen_.描画_移動可能桝色(c, r, hint, piece);
        if (ownsPiece(s, position_, piece)) {
            s.selectState = true;
            screen_.描画_桝輪郭(kSelectColour, c, r);
        } else {
            screen_.描画_桝輪郭(hint, c, r);
        }
        return;
    }

    s.toX = c;
    s.toY = r;
    if (ownsPiece(s, position_, piece)) {
        if (s.sideToMove == position_.bottomSide && !options_.chineseDrops &&
            s.fromX == rules::kBottomHandX && s.fromY > kLastSwitchableCell) {
            return;
        }
        screen_.描画_桝輪郭(settings::kOutlineColour, s.fromX, s.fromY);
        s.from = SelectionFrom::Board;
        s.fromX = c;
        s.fromY = r;
        s.movePiece = piece;
        screen_.描画_移動可能桝色(c, r, hint, piece);
        screen_.描画_桝輪郭(kSelectColour, c, r);
        return;
    }

    if (rules::移動チェック(position_, s.fromX, s.fromCell(), c, r, s.movePiece) == 0) {
        sounds_.play(settings::Sound::禁止);
        s.selectState = false;
        screen_.描画_将棋盤桝();
        // A stand cell keeps no selection mark once the selection is gone.
        if (rules::isDropFrom(s.fromX)) {
            screen_.描画_桝輪郭(settings::kOutlineColour, s.fromX, s.fromY);
        }
        return;
    }

    // A piece that could never move again from its destination must promote: only the right
    // button moves it.
    if (rules::移動後チェック(r, s.movePiece) == 0 && button != kRightButton) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(translated("Game", "マウスの右をクリックして下さい"),
                      translated("Game", "成り"), platform::Buttons::Ok);
        return;
    }

    if (button == kRightButton && promotable(s.movePiece) &&
        rules::調査_駒成(position_, s.fromX, s.fromCell(), c, r, s.movePiece) == 1) {
        s.movePiece = position_.promotedCode;
    }
    makeHumanMove();
}

void Game::pressStand(SelectionFrom stand, int row) {
    GameState& s = state_;
    // The bottom army's stand runs down from row 1 by hand index; the top army's runs up from
    // row 9, and holds the pieces of the other sign.
    const bool bottom = stand == SelectionFrom::BottomStand;
    const int standX = bottom ? rules::kBottomHandX : rules::kTopHandX;
    const int k = bottom ? row : view::topStandCell(row);
    if (!standCellOpen(position_, options_, standX, k)) return;
    if (bottom ? rules::isBottom(s.movePiece) : rules::isTop(s.movePiece)) {
        screen_.描画_将棋盤桝();
        screen_.描画_桝輪郭(settings::kOutlineColour, s.fromX, s.fromY);
    }
    if ((bottom ? position_.ownHand[k] : position_.enemyHand[k]) <= 0) return;
    rules::調査_2歩フラグ設定(position_);
    const bool mine = s.sideToMove == (bottom ? position_.bottomSide : position_.topSide);
    if (!mine && s.selectState) {
        screen_.描画_桝輪郭(settings::kOutlineColour, s.fromX, s.fromY);
    }
    // The other player's stand is only looked at: its guidance shows, nothing is taken up.
    s.selectState = mine;
    s.from = stand;
    s.fromX = standX;
    s.fromY = row;
    s.movePiece = bottom ? -rules::kHandKind[k] : rules::kHandKind[k];
    screen_.描画_桝輪郭(mine ? kSelectColour : options_.guidanceColour, standX, row);
    screen_.描画_移動可能桝色(standX, k, options_.guidanceColour, s.movePiece);
}

}  // namespace flow
