// What a move shows: the squares it touched, and the last move of each army beside the board.
#include "flow/move_result_display.h"

#include <algorithm>

#include "flow/game_state.h"
#include "record/entry_destination.h"
#include "view/piece_names.h"

namespace flow {

namespace {

// Where one army's move result stands: the file digit, the rank numeral and the piece name share
// one row.
struct ResultSpot {
    double file, rank, piece, row;
};
constexpr ResultSpot kTopSpot{1.1, 1.5, 2.1, -0.5};
constexpr ResultSpot kBottomSpot{13.4, 13.8, 14.4, 2.4};

// Each text has a black shadow a tenth of a square to the lower right.
constexpr double kResultFontSize = 12;

}  // namespace

void MoveResultDisplay::描画_移動駒種類(double px, double py, const std::string& text, int colour) {
    screen_.描画_数値(px, py, text, colour, kResultFontSize);
}

void MoveResultDisplay::描画_移動結果(rules::SideId side, int x, int y, rules::PieceCode piece,
                                      int colour) {
    消去_移動結果(side);
    ResultSpot spot;
    if (side == position_.topSide) {
        spot = kTopSpot;
    } else if (side == position_.bottomSide) {
        spot = kBottomSpot;
    } else {
        return;
    }
    const record::MoveNotation n = view::moveNotation(options_.pieceSet, x, y, piece);
    const std::pair<double, const std::string*> texts[] = {
        {spot.file, &n.file}, {spot.rank, &n.rank}, {spot.piece, &n.piece}};
    for (const auto& [column, text] : texts) {
        描画_移動駒種類(column + kShadowOffset, spot.row + kShadowOffset, *text, kShadowColour);
        描画_移動駒種類(column, spot.row, *text, colour);
    }
}

void MoveResultDisplay::showLastMoves(int n) {
    消去_移動結果(position_.topSide);
    消去_移動結果(position_.bottomSide);
    for (int m = std::max(1, n - 1); m <= n; ++m) {
        int x = 0, y = 0;
        rules::PieceCode piece = rules::空;
        if (!record::調査_移動結果(moves_, m, x, y, piece)) continue;
        描画_移動結果(rules::isTop(piece) ? position_.topSide : position_.bottomSide, x, y, piece,
                      kMarkColour);
    }
}

void MoveResultDisplay::消去_移動結果(rules::SideId side) {
    if (side == position_.topSide) {
        for (int c = 1; c <= 3; ++c) screen_.描画_絵(options_.background, c, -1);
        if (options_.chineseDrops) screen_.描画_桝輪郭(kWindowColour, -1, 7);
        screen_.描画_桝輪郭(kWindowColour, 1, 8);
    } else if (side == position_.bottomSide) {
        for (int c = 13; c <= 16; ++c) screen_.描画_絵(options_.background, c, 2);
    }
}

void MoveResultDisplay::drawMove(int fromX, int fromY, int toX, int toY,
                                 const rules::MoveEffect& effect) {
    if (effect.bottomStandChanged) screen_.描画_自持盤();
    if (effect.topStandChanged) screen_.描画_敵持盤();
    if (rules::Board::onBoard(fromX, fromY)) {
        screen_.描画_絵(rules::空, fromX, fromY);
        screen_.描画_桝輪郭(settings::kOutlineColour, fromX, fromY);
    }
    screen_.描画_絵(position_.board(toX, toY), toX, toY);
    screen_.描画_桝輪郭(settings::kOutlineColour, toX, toY);
}

}  // namespace flow
