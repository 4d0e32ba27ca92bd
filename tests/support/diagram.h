// Builds positions from small text diagrams so that a test reads like the board it checks.
//
// A diagram is nine lines of nine cells, row 1 (top) first, cells separated by blanks. A cell is
// "." for an empty square, or a kind name prefixed by "v" for a top-army piece and "^" for a
// bottom-army piece: "^歩" is a bottom 歩, "v将" the top 将, "^士" a bottom advisor.
#pragma once

#include <string>

#include "rules/position.h"

namespace testsupport {

// The starting position.
inline constexpr const char* kStartDiagram = R"(
v車 v馬 v象 v士 v将 v士 v象 v馬 v車
 .   .   .   .   .   .   .   .   .
 .  v砲  .   .   .   .   .  v砲  .
v卒  .  v卒  .  v卒  .  v卒  .  v卒
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩
 .  ^角  .   .   .   .   .  ^飛  .
^香 ^桂 ^銀 ^金 ^王 ^金 ^銀 ^桂 ^香
)";

rules::Board boardFrom(const std::string& diagram);
// Board plus kings' bookkeeping: sides from the kings, ownKing square, hand totals.
rules::Position positionFrom(const std::string& diagram);
// The diagram text of a board (same format), for failure messages.
std::string diagramOf(const rules::Board& board);

}  // namespace testsupport
