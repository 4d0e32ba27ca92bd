// One game of the match: the seeded opening, then the two players in turn.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "com/choose_move.h"
#include "record/position_notation.h"
#include "rules/make_move.h"
#include "rules/move_check.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"
#include "tools/match/match.h"
#include "tools/seeded_random.h"

namespace match {
namespace {

using tools::Random;

bool isShogiArmy(const rules::Position& pos, int army) {
    return (army > 0 ? pos.topSide : pos.bottomSide) == rules::SENTE;
}

// The computer's move for the army (+1 top, -1 bottom) in pos's own coordinates.
com::Choice choose(const rules::Position& pos, int army, const com::SearchSettings& settings,
                   com::SearchContext& context) {
    return com::chooseMoveForSide(pos, army > 0 ? pos.topSide : pos.bottomSide, settings, &context);
}

// A chosen move must be one the rules allow for the army that moves: anything else is a fault
// of the computer player, and the match stops.
void checkLegal(rules::Position& pos, int army, const com::ComMove& m) {
    rules::調査_2歩フラグ設定(pos);
    const bool drop = rules::isDropFrom(m.fromX);
    const bool ownPiece =
        drop ? (m.fromX == (army > 0 ? rules::kTopHandX : rules::kBottomHandX)) && m.fromY >= 1 &&
                   m.fromY <= rules::kHandSize &&
                   (army > 0 ? pos.enemyHand : pos.ownHand)[m.fromY] > 0
             : rules::Board::onBoard(m.fromX, m.fromY) && pos.board(m.fromX, m.fromY) == m.before;
    if (!ownPiece || m.before * army <= 0 || m.after * army <= 0 ||
        rules::移動チェック(pos, m.fromX, m.fromY, m.toX, m.toY, m.before) != 1) {
        throw std::runtime_error("the computer chose a move the rules refuse");
    }
}

}  // namespace

Opening openingOf(const MatchOptions& o, int pair) {
    Opening opening;
    rules::Position& pos = opening.pos;
    int& mover = opening.mover;
    rules::layOutStartPosition(pos);
    rules::調査_先手後手(pos);
    Random random(o.seed * 0x100000001b3ULL + static_cast<std::uint64_t>(pair));
    rules::Move moves[rules::kMaxMoves];
    for (int i = 0; i < o.randomPlies; ++i) {
        rules::調査_2歩フラグ設定(pos);
        rules::MoveFilter filter;
        filter.drops = rules::armyMayDrop(pos, mover, o.drops);
        const int all = rules::generateMoves(pos, mover, filter, moves, rules::kMaxMoves);
        int n = 0;
        for (int k = 0; k < all; ++k) {
            const rules::Move& m = moves[k];
            if (m.isDrop() || !rules::isKingKind(rules::magnitude(pos.board(m.toX, m.toY)))) {
                moves[n++] = m;
            }
        }
        if (n == 0) break;
        const rules::Move m = moves[random.next() % static_cast<std::uint64_t>(n)];
        rules::駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        ++opening.plies;
        mover = -mover;
    }
    return opening;
}

std::string sampleLine(Outcome chineseOutcome, bool drops, const std::string& notation) {
    const char* result = chineseOutcome == Outcome::Win    ? "1"
                         : chineseOutcome == Outcome::Draw ? "0.5"
                                                           : "0";
    return std::string(result) + (drops ? " on " : " off ") + notation;
}

GameResult playGame(const MatchOptions& o, int index) {
    const Opening opening = openingOf(o, index / 2);
    return playOn(o, opening, index % 2 == 0);
}

GameResult playOn(const MatchOptions& o, const Opening& from, bool aIsShogi) {
    GameResult r;
    r.aIsShogi = aIsShogi;
    r.plies = from.plies;
    rules::Position pos = from.pos;
    int mover = from.mover;
    // Both players search in this game's memory, one after the other.
    com::SearchContext context;
    std::vector<std::string> sampled;
    const auto end = [&](Outcome outcome) {
        r.outcome = outcome;
        const Outcome chinese = !r.aIsShogi                ? outcome
                                : outcome == Outcome::Win  ? Outcome::Loss
                                : outcome == Outcome::Loss ? Outcome::Win
                                                           : Outcome::Draw;
        for (const std::string& notation : sampled) {
            r.samples.push_back(sampleLine(chinese, o.drops, notation));
        }
        return r;
    };
    while (r.plies < kMaxPlies) {
        if (!o.positionsFile.empty() && (r.plies - from.plies) % o.sampleEvery == 0) {
            const rules::SideId side = mover > 0 ? pos.topSide : pos.bottomSide;
            // A position the notation cannot hold (the mover can take the king) is passed over.
            std::string notation = record::positionToNotation(pos, side, r.plies + 1);
            if (record::readNotation(notation)) sampled.push_back(std::move(notation));
        }
        const bool aMoves = isShogiArmy(pos, mover) == r.aIsShogi;
        com::SearchSettings settings;
        settings.comLevel = aMoves ? o.levelA : o.levelB;
        settings.nodes = aMoves ? o.nodesA : o.nodesB;
        settings.chineseDrops = o.drops;
        const com::Choice c = choose(pos, mover, settings, context);
        if (!c.found) return end(aMoves ? Outcome::Loss : Outcome::Win);
        checkLegal(pos, mover, c.move);
        const com::ComMove& m = c.move;
        rules::駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        ++r.plies;
        if (pos.winnerSide != 0) return end(aMoves ? Outcome::Win : Outcome::Loss);
        mover = -mover;
    }
    return end(Outcome::Draw);
}

}  // namespace match
