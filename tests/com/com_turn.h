// A computer's turn on a position built from a diagram, with every evaluation recorded.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "com/choose_move.h"
#include "com/com_state.h"
#include "com/danger.h"
#include "com/evaluation.h"
#include "com/influence_map.h"
#include "com/influence_survey.h"
#include "com/search.h"
#include "rules/position.h"
#include "support/diagram.h"

namespace com {
inline void PrintTo(const ComMove& m, std::ostream* os) {
    *os << "(" << m.fromX << "," << m.fromY << ")->(" << m.toX << "," << m.toY << ") " << m.before
        << "->" << m.after;
}
}  // namespace com

namespace comtest {

// A diagram from a list of pieces on an otherwise empty board: {5, 1, "v将"} puts the top 将 on
// column 5, row 1.
struct Placed {
    int x, y;
    const char* cell;
};
inline std::string layout(std::initializer_list<Placed> pieces) {
    const char* cells[10][10];
    for (auto& column : cells) {
        for (auto& c : column) c = ".";
    }
    for (const Placed& p : pieces) cells[p.x][p.y] = p.cell;
    std::string out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) {
            out += cells[x][y];
            out += x < 9 ? ' ' : '\n';
        }
    }
    return out;
}

struct EvalLine {
    int fx, fy, tx, ty;
    rules::PieceCode p;
    double score;
};

class Recorder : public com::SearchObserver {
  public:
    void tick() override { ++ticks; }
    void evaluated(int fx, int fy, int tx, int ty, rules::PieceCode p, double s) override {
        lines.push_back({fx, fy, tx, ty, p, s});
    }
    std::vector<EvalLine> lines;
    int ticks = 0;
};

struct Turn {
    rules::Position pos;
    com::InfluenceMap map;
    com::ComState state;
    com::SearchSettings settings;
    Recorder rec;
    bool found = false;

    explicit Turn(const rules::Position& position, int level = 3) : pos(position) {
        settings.comLevel = level;
    }
    explicit Turn(const std::string& diagram, int level = 3)
        : pos(testsupport::positionFrom(diagram)) {
        settings.comLevel = level;
    }

    // Pieces in the top army's hand, by hand index.
    Turn& topHand(int index, int count) {
        pos.enemyHand[index] = count;
        pos.enemyHandTotal = rules::handSum(pos.enemyHand);
        return *this;
    }
    Turn& bottomHand(int index, int count) {
        pos.ownHand[index] = count;
        pos.ownHandTotal = rules::handSum(pos.ownHand);
        return *this;
    }

    // The computer's choice: a survey of the position, then the search.
    Turn& run() {
        found = com::chooseMove(pos, map, state, settings, &rec);
        return *this;
    }

    const com::ComMove& best() const { return state.best; }

    // The score of one evaluation; fails the test when the search made none like it.
    double scoreOf(int fx, int fy, int tx, int ty, rules::PieceCode p) const {
        for (const EvalLine& l : rec.lines) {
            if (l.fx == fx && l.fy == fy && l.tx == tx && l.ty == ty && l.p == p) return l.score;
        }
        ADD_FAILURE() << "no evaluation of " << fx << "," << fy << " -> " << tx << "," << ty
                      << " as " << p;
        return 0;
    }
    bool evaluatedAny(int fx, int fy, int tx, int ty) const {
        for (const EvalLine& l : rec.lines) {
            if (l.fx == fx && l.fy == fy && l.tx == tx && l.ty == ty) return true;
        }
        return false;
    }
};

// One candidate made on the board the way the search makes it (after the turn's opening), scored
// on its own, and taken back.
struct Candidate {
    rules::Position pos;
    com::InfluenceMap map;
    com::ComState state;

    explicit Candidate(const std::string& diagram) : pos(testsupport::positionFrom(diagram)) {}

    Candidate& topHand(int index, int count) {
        pos.enemyHand[index] = count;
        pos.enemyHandTotal = rules::handSum(pos.enemyHand);
        return *this;
    }
    Candidate& bottomHand(int index, int count) {
        pos.ownHand[index] = count;
        pos.ownHandTotal = rules::handSum(pos.ownHand);
        return *this;
    }

    template <class Score>
    double with(int fx, int fy, int tx, int ty, rules::PieceCode after, Score score) {
        com::勢力調査(pos, map);
        com::openTurn(pos, map, state);
        const bool drop = fx == rules::kTopHandX;
        const rules::PieceCode mover = drop ? rules::kHandKind[fy] : pos.board(fx, fy);
        state.movingPiece = mover;
        if (!drop) {
            state.kingDistance = std::max(std::abs(pos.ownKingX - fx), std::abs(pos.ownKingY - fy));
        }
        const rules::PieceCode captured = drop ? 0 : pos.board(tx, ty);
        if (!drop) pos.board(fx, fy) = 0;
        pos.board(tx, ty) = after;
        com::勢力調査(pos, map);
        const double s = score(captured);
        pos.board(tx, ty) = captured;
        if (!drop) pos.board(fx, fy) = mover;
        return s;
    }

    // 盤評価 of the candidate at a level.
    double score(int fx, int fy, int tx, int ty, rules::PieceCode after, int level) {
        return with(fx, fy, tx, ty, after, [&](rules::PieceCode captured) {
            com::EvalContext ctx{pos, map, state, level};
            return com::盤評価(ctx, captured, after, fx, fy, tx, ty);
        });
    }
    // The danger sweep alone after the candidate.
    double danger(int fx, int fy, int tx, int ty, rules::PieceCode after) {
        return with(fx, fy, tx, ty, after, [&](rules::PieceCode) {
            com::EvalContext ctx{pos, map, state, 1};
            return com::盤評価_COM危険座標(ctx, after, tx, ty);
        });
    }
};

inline com::ComMove move(int fx, int fy, int tx, int ty, rules::PieceCode before,
                         rules::PieceCode after) {
    return com::ComMove{fx, fy, tx, ty, before, after};
}

}  // namespace comtest
