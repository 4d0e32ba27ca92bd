#include "view/palette.h"

namespace view {

namespace {

namespace k = rules::kind;

// One army's cells, two to a row: each shogi kind beside its promoted kind, then the 金 and the
// 王, then the Chinese kinds.
constexpr int kRows = 11;
constexpr int kArmyKinds[kRows][2] = {
    {k::歩, k::と},   {k::香, k::香成}, {k::桂, k::桂成}, {k::銀, k::銀成},
    {k::角, k::角成}, {k::飛, k::飛成}, {k::金, k::王},   {k::卒, k::車},
    {k::馬, k::象},   {k::士, k::砲},   {k::将, 0},
};

}  // namespace

// Cells run down the rows of one army's pair of columns: cell = army * 2 * kRows + row * 2 + side.
rules::PieceCode paletteCode(int cell) {
    static_assert(kPaletteSlots == 2 * 2 * kRows);
    if (cell < 0 || cell >= kPaletteSlots) return rules::空;
    const int army = cell / (2 * kRows);
    const int kind = kArmyKinds[(cell % (2 * kRows)) / 2][cell % 2];
    // The top army's pieces are the positive codes.
    return army == 0 ? kind : -kind;
}

int paletteColumn(int cell) {
    return kPaletteFirstColumn + 2 * (cell / (2 * kRows)) + cell % 2;
}

int paletteRow(int cell) {
    return kPaletteFirstRow + (cell % (2 * kRows)) / 2;
}

int paletteCellAt(int column, int row) {
    const int c = column - kPaletteFirstColumn, r = row - kPaletteFirstRow;
    if (c < 0 || c >= 4 || r < 0 || r >= kRows) return -1;
    const int cell = (c / 2) * 2 * kRows + r * 2 + c % 2;
    return paletteCode(cell) == rules::空 ? -1 : cell;
}

}  // namespace view
