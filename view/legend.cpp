#include "view/legend.h"

#include <vector>

#include "lang/language.h"
#include "rules/move_check.h"

namespace view {

namespace {

using namespace rules;
namespace k = rules::kind;

const LegendEntry kEntries[] = {
    {k::王, KZ_TEXT("Legend", "王将"), KZ_TEXT("Legend", "全方向に1マス")},
    {k::飛, KZ_TEXT("Legend", "飛車"), KZ_TEXT("Legend", "縦横に何マスでも")},
    {k::角, KZ_TEXT("Legend", "角行"), KZ_TEXT("Legend", "斜めに何マスでも")},
    {k::金, KZ_TEXT("Legend", "金将"), KZ_TEXT("Legend", "前、斜め前、横、真後ろに1マス")},
    {k::銀, KZ_TEXT("Legend", "銀将"), KZ_TEXT("Legend", "前、斜め前、斜め後ろに1マス")},
    {k::桂, KZ_TEXT("Legend", "桂馬"), KZ_TEXT("Legend", "2マス前の左右へ跳ぶ")},
    {k::香, KZ_TEXT("Legend", "香車"), KZ_TEXT("Legend", "前に何マスでも")},
    {k::歩, KZ_TEXT("Legend", "歩兵"), KZ_TEXT("Legend", "前に1マス")},
    {k::飛成, KZ_TEXT("Legend", "竜王"), KZ_TEXT("Legend", "飛車の動きと、斜めに1マス")},
    {k::角成, KZ_TEXT("Legend", "竜馬"), KZ_TEXT("Legend", "角行の動きと、縦横に1マス")},
    {k::銀成, KZ_TEXT("Legend", "成銀"), KZ_TEXT("Legend", "金将と同じ")},
    {k::桂成, KZ_TEXT("Legend", "成桂"), KZ_TEXT("Legend", "金将と同じ")},
    {k::香成, KZ_TEXT("Legend", "成香"), KZ_TEXT("Legend", "金将と同じ")},
    {k::と, KZ_TEXT("Legend", "と金"), KZ_TEXT("Legend", "金将と同じ")},
    {k::将, KZ_TEXT("Legend", "将"), KZ_TEXT("Legend", "宮の中を縦横に1マス")},
    {k::士, KZ_TEXT("Legend", "士"), KZ_TEXT("Legend", "宮の中を斜めに1マス")},
    {k::象, KZ_TEXT("Legend", "象"),
     KZ_TEXT("Legend", "斜めに2マス。間に駒があると行けず、中央の段より先へは出られない")},
    {k::馬, KZ_TEXT("Legend", "馬"),
     KZ_TEXT("Legend", "縦横に1マス進んでから外へ斜めに1マス。最初のマスに駒があると行けない")},
    {k::車, KZ_TEXT("Legend", "車"), KZ_TEXT("Legend", "縦横に何マスでも")},
    {k::砲, KZ_TEXT("Legend", "砲"),
     KZ_TEXT("Legend", "縦横に何マスでも。取るときは駒をちょうど1つ跳び越える")},
    {k::卒, KZ_TEXT("Legend", "卒"),
     KZ_TEXT("Legend", "前に1マス。相手側の3段に入ると横にも1マス")},
};

struct Square {
    int x, y;
};

}  // namespace

std::span<const LegendEntry> legendEntries() {
    return kEntries;
}

PieceCode legendCode(const LegendEntry& entry) {
    return isChineseKind(entry.kind) ? entry.kind : -entry.kind;
}

LegendDiagram legendDiagram(const LegendEntry& entry) {
    LegendDiagram d;
    const PieceCode code = legendCode(entry);
    // Where the kind stands: the middle of the board, the palace's middle for the palace's
    // pieces, the back of its own half for the elephant, and for the soldier once on its own
    // side and once on the ground it has crossed to.
    std::vector<Square> movers{{5, 5}};
    switch (entry.kind) {
        case k::将:
        case k::士:
            movers = {{5, 2}};
            break;
        case k::象:
            movers = {{5, 3}};
            break;
        case k::卒:
            movers = {{3, 4}, {7, 7}};
            break;
        case k::砲:
            // It slides up to its screen and takes the piece beyond it.
            movers = {{5, 3}};
            d.position.board(5, 5) = 敵卒;
            d.position.board(5, 8) = 自歩;
            break;
        default:
            break;
    }
    d.palace = isChineseKind(entry.kind);
    for (const Square& m : movers) {
        d.position.board(m.x, m.y) = code;
        d.mover[m.x][m.y] = true;
    }
    for (const Square& m : movers)
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (移動チェック(d.position, m.x, m.y, x, y, code) == 1) d.reach[x][y] = true;
    return d;
}

}  // namespace view
