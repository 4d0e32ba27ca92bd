// Writes the benchmark game record: a few seeded random plies, then two computer levels (the
// shogi army at the bottom) until a king falls, a side has no move or the record is full. The
// review's benchmark and tests read it.
//
//   bench_make_record FILE [seed] [shogi-level] [chinese-level]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "com/choose_move.h"
#include "record/kifu_file.h"
#include "rules/make_move.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"
#include "tools/seeded_random.h"

namespace {

constexpr int kRandomPlies = 4;

void keep(record::MoveList& list, int n, const rules::Position& pos) {
    list[n].boardAt = pos.board;
    list[n].ownHandAt = pos.ownHand;
    list[n].enemyHandAt = pos.enemyHand;
    list.lastMove = n;
}

// A random move of the army (+1 top, -1 bottom), or false when it has none. The first plies of a
// game reach no king.
bool randomMove(rules::Position& pos, int army, tools::Random& random, rules::Move& out) {
    rules::調査_2歩フラグ設定(pos);
    rules::Move moves[rules::kMaxMoves];
    rules::MoveFilter filter;
    filter.drops = rules::armyMayDrop(pos, army, false);
    const int n = rules::generateMoves(pos, army, filter, moves, rules::kMaxMoves);
    if (n == 0) return false;
    out = moves[random.below(n)];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: bench_make_record FILE [seed] [shogi-level] [chinese-level]\n");
        return 2;
    }
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int shogiLevel = argc > 3 ? std::atoi(argv[3]) : 3;
    const int chineseLevel = argc > 4 ? std::atoi(argv[4]) : 4;
    tools::Random random(seed);
    rules::Position pos;
    rules::layOutStartPosition(pos);
    rules::調査_先手後手(pos);
    auto list = std::make_unique<record::MoveList>();
    keep(*list, 0, pos);
    com::SearchContext context;
    int army = rules::kBottomArmy;  // the shogi army moves first
    for (int n = 1; n <= record::kMaxEntry && pos.winnerSide == 0; ++n) {
        rules::Move m;
        if (n <= kRandomPlies) {
            if (!randomMove(pos, army, random, m)) break;
        } else {
            com::SearchSettings settings;
            settings.comLevel = army == rules::kBottomArmy ? shogiLevel : chineseLevel;
            const rules::SideId side = army > 0 ? pos.topSide : pos.bottomSide;
            const com::Choice c = com::chooseMoveForSide(pos, side, settings, &context);
            if (!c.found) break;
            m = rules::makeMove(c.move.fromX, c.move.fromY, c.move.toX, c.move.toY, c.move.before,
                                c.move.after);
        }
        rules::駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        keep(*list, n, pos);
        army = -army;
    }
    const record::KifuHeaders headers =
        record::headerLines("review benchmark", "level " + std::to_string(shogiLevel),
                            "level " + std::to_string(chineseLevel), rules::SENTE);
    const record::KifuStatus saved = record::save(argv[1], headers, *list, list->lastMove);
    if (!saved) {
        std::fprintf(stderr, "%s\n", record::describe(saved).c_str());
        return 1;
    }
    std::printf("%d entries\n", list->lastMove);
    return 0;
}
