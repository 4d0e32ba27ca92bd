// Setting up a position, listing the moves the move check allows, and making a move.
#include <algorithm>
#include <ostream>
#include <string>

#include "record/entry_line.h"
#include "record/entry_position.h"
#include "rules/make_move.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"
#include "tools/engine/commands.h"

namespace engine {
namespace {

using namespace rules;

Answer position(EngineState& state, std::string_view args, std::ostream&) {
    if (args.empty()) return Answer::fail("position needs an entry line");
    if (args == "notation" || args.substr(0, 9) == "notation ")
        return positionFromNotation(state, args.substr(std::min<std::size_t>(args.size(), 9)));
    record::MoveEntry e;
    const record::LineDecode r = record::decodeEntryLine(args, e);
    if (!r) return Answer::fail("malformed position line: " + record::describe(r));

    resetGame(state);
    state.pos = record::positionOfEntry(e);
    return Answer::ok();
}

void printMove(std::ostream& out, int fx, int fy, int tx, int ty, PieceCode code) {
    out << "move " << fx << ' ' << fy << ' ' << tx << ' ' << ty << ' ' << code << '\n';
}

// Every destination the move check allows from one square or hand slot.
void listTargets(std::ostream& out, const Position& pos, int fx, int fy, PieceCode code) {
    for (int tx = 1; tx <= 9; ++tx) {
        for (int ty = 1; ty <= 9; ++ty) {
            if (移動チェック(pos, fx, fy, tx, ty, code)) printMove(out, fx, fy, tx, ty, code);
        }
    }
}

Answer legal(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("legal takes no arguments");
    Position& pos = state.pos;
    調査_2歩フラグ設定(pos);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (pos.board(x, y) != 空) listTargets(out, pos, x, y, pos.board(x, y));
        }
    }
    for (int i = 1; i <= kHandSize; ++i) {
        if (pos.ownHand[i] > 0) listTargets(out, pos, kBottomHandX, i, -kHandKind[i]);
    }
    for (int i = 1; i <= kHandSize; ++i) {
        if (pos.enemyHand[i] > 0) listTargets(out, pos, kTopHandX, i, kHandKind[i]);
    }
    return Answer::ok();
}

record::MoveEntry entryOf(const Position& pos) {
    record::MoveEntry e;
    e.boardAt = pos.board;
    e.ownHandAt = pos.ownHand;
    e.enemyHandAt = pos.enemyHand;
    return e;
}

Answer play(EngineState& state, std::string_view args, std::ostream& out) {
    const std::vector<std::string_view> w = splitWords(args);
    int v[5] = {};
    if (w.size() != 5) return Answer::fail("usage: play FX FY TX TY CODE");
    for (int i = 0; i < 5; ++i) {
        if (!parseInt(w[i], v[i])) return Answer::fail("not a number: " + std::string(w[i]));
    }
    const auto [fx, fy, tx, ty, code] = v;
    Position& pos = state.pos;
    if (!Board::onBoard(tx, ty)) return Answer::fail("destination off the board");
    if (isDropFrom(fx)) {
        if (fy < 1 || fy > kHandSize) return Answer::fail("hand index outside 1..13");
        const Hand& hand = fx == kBottomHandX ? pos.ownHand : pos.enemyHand;
        if (hand[fy] <= 0) return Answer::fail("no piece in hand at that index");
    } else {
        if (!Board::onBoard(fx, fy)) return Answer::fail("from-square off the board");
        if (pos.board(fx, fy) == 空) return Answer::fail("no piece on the from-square");
        if (fx == tx && fy == ty) return Answer::fail("from-square and destination are the same");
    }
    if (code == 空 || !isValidCode(code)) return Answer::fail("not a piece code");

    駒移動(pos, fx, fy, tx, ty, code);
    state.sideToMove = isTop(code) ? -pos.topSide : -pos.bottomSide;
    ++state.moveNumber;
    out << "line " << record::encodeEntryLine(entryOf(pos)) << '\n';
    return Answer::ok();
}

}  // namespace

void addPositionCommands(CommandTable& table) {
    table.add("position", position);
    table.add("legal", legal);
    table.add("play", play);
}

}  // namespace engine
