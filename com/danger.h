// Danger squares of the computer's army and the bishop caution, scored after a candidate move.
#pragma once

#include "com/eval_context.h"
#include "rules/piece.h"

namespace com {

// Sweeps the whole board after the candidate that put p on (tx, ty): penalties for weak points of
// the top army (squares near its king held by the bottom army, hanging pieces, squares where a
// piece from the bottom army's hand would be dropped with effect), rewards for threats against
// the bottom army and a bonus for a fork of two or more targets.
double 盤評価_COM危険座標(EvalContext& ctx, rules::PieceCode p, int tx, int ty);

// p when the piece on (tx, ty) stands where a bottom 角 (on the board or dropped) can strike it
// through the first weak diagonal square next to the top 王 it lines up with; else 0.
rules::PieceCode 盤評価_自角注意_COM(EvalContext& ctx, int tx, int ty, rules::PieceCode p);

}  // namespace com
