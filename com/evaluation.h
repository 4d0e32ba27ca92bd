// The board evaluation: the score of one candidate of the computer (the top army) in the
// position reached after it. Higher is better for the computer.
#pragma once

#include "com/eval_context.h"
#include "rules/piece.h"

namespace com {

// One evaluated candidate: c is what stood on the destination (0 for none or for a drop), p the
// code now standing there (after any promotion), (fx, fy) the origin (fx = -1, fy = hand index
// for a drop), (tx, ty) the destination.
struct EvalArgs {
    rules::PieceCode c = 0;
    rules::PieceCode p = 0;
    int fx = 0;
    int fy = 0;
    int tx = 0;
    int ty = 0;
};

// The score: group 1 at every level (king capture, own king left attacked, mate and check, drop
// and promotion, danger squares), group 2 from level 2 (approach, pinned attackers, bishop
// caution, escape squares taken, exchanges and hanging pieces, capture gains), group 3 at level 3
// (the per-kind terms). Terms are added in a fixed order; some end the evaluation early.
double 盤評価(EvalContext& ctx, rules::PieceCode c, rules::PieceCode p, int fx, int fy, int tx,
              int ty);

// The level-3 terms of the kind p, added to the score s reached so far.
double evaluatePieceTerms(EvalContext& ctx, const EvalArgs& a, double s);

}  // namespace com
