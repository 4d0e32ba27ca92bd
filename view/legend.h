// The legend of the pieces: every kind of both armies with its name, a line on how it moves and
// a small diagram of the squares it may go to, found by the move check itself on a board of the
// diagram's own. The shogi kinds stand as the bottom army's, the Chinese kinds as the top army's,
// as the game starts.
#pragma once

#include <QImage>
#include <span>

#include "rules/position.h"

namespace view {

struct LegendEntry {
    int kind;
    const char* name;  // Japanese sources of the "Legend" texts
    const char* moves;
};

// The shogi army's kinds, the promoted ones after them, then the Chinese army's.
std::span<const LegendEntry> legendEntries();

// The code the entry's picture shows.
rules::PieceCode legendCode(const LegendEntry& entry);

// A diagram: the kind on one or two squares (the soldier before and after it has crossed), the
// pieces the moves need (the cannon's screen and the piece it takes), and every square one of
// the movers may go to.
struct LegendDiagram {
    rules::Position position;
    bool mover[10][10] = {};
    bool reach[10][10] = {};
    bool palace = false;  // the top army's palace is shaded
};
LegendDiagram legendDiagram(const LegendEntry& entry);

// The diagram painted at resolution k (k device pixels to a game pixel).
constexpr int kDiagramCellPx = 10;
constexpr int kDiagramSizePx = 9 * kDiagramCellPx + 1;
QImage paintLegendDiagram(const LegendDiagram& diagram, int k);

}  // namespace view
