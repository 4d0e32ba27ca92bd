// The computer's turn: the hand-over once the human has moved, "思考中" over the board while the
// computer player chooses, and its move played, recorded and announced before the turn goes back
// to the human. Also the hint a human asks of the same player.
#include "com/lookahead_search.h"
#include "com/time_budget.h"
#include "flow/computer_opponent.h"
#include "flow/turn_queries.h"
#include "record/move_list.h"
#include "rules/make_move.h"
#include "view/layout.h"

namespace flow {

namespace {

// The piece to be moved blinks this many times before it goes.
constexpr int kBlinks = 3;

// A request for the army `side` at the level and drops option in use.
MoveRequest requestFor(const rules::Position& position, rules::SideId side, int comLevel,
                       const settings::Options& options) {
    MoveRequest request;
    request.position = position;
    request.side = side;
    request.settings.comLevel = comLevel;
    request.settings.chineseDrops = options.chineseDrops;
    return request;
}

}  // namespace

ComputerOpponent::ComputerOpponent(rules::Position& position, record::MoveList& moves,
                                   GameState& state, const settings::Options& options,
                                   view::Screen& screen, platform::Canvas& canvas,
                                   settings::Sounds& sounds, Clocks& clocks,
                                   ComputerPlayer& computer, MoveResultDisplay& lastMoves,
                                   OptionMenu& menu, TurnHost& game)
    : position_(position),
      moves_(moves),
      state_(state),
      options_(options),
      screen_(screen),
      canvas_(canvas),
      sounds_(sounds),
      clocks_(clocks),
      computer_(computer),
      lastMoves_(lastMoves),
      menu_(menu),
      game_(game) {}

void ComputerOpponent::com_ban() {
    // With the list full the computer's move could not be kept: it does not move.
    if (recordFull(moves_)) {
        game_.refuseFullRecord();
        return;
    }
    clocks_.startTurn();
    computer_.showThinking();
    askComputer();
}

void ComputerOpponent::handOverToComputer(rules::PieceCode captured) {
    clocks_.run(false);
    clocks_.addTurn(true);

    // A mated computer loses at once, just as one whose king was taken.
    const bool computerMated = computer_.surveyMates(position_, position_.topSide);

    if (computerMated || captured == rules::敵王 || captured == rules::敵将) {
        game_.終了("あなた");
        return;
    }
    if (position_.winnerSide == 0) {
        state_.sideToMove = position_.topSide;
        com_ban();
    }
}

void ComputerOpponent::askComputer() {
    MoveRequest request = requestFor(position_, position_.topSide, state_.comLevel, options_);
    request.ownTurn = true;
    // A looking-ahead level keeps to its clock.
    if (clocks_.timed() && state_.comLevel >= com::kLookaheadLevel) {
        const record::ArmyTime& own = clocks_.timeOf(false);
        const record::TimeControl& c = own.control();
        com::ClockShare share;
        share.timeLeft = own.face().byoyomi ? 0 : own.face().seconds;
        share.byoyomi = c.kind == record::TimeControlKind::Byoyomi ? c.extraSeconds : 0;
        share.increment = c.kind == record::TimeControlKind::Increment ? c.extraSeconds : 0;
        share.nodesPerSecond = clocks_.lookaheadSpeed();
        request.settings.nodes = com::timedNodeBudget(com::nodeBudgetOf(request.settings), share);
    }
    computer_.ask(request, *this);
}

bool ComputerOpponent::computerThinking() const {
    return computer_.searching() && state_.gameMode == GameMode::AgainstComputer &&
           state_.sideToMove == position_.topSide;
}

void ComputerOpponent::stopComputer() {
    if (!computer_.searching()) return;
    if (computerThinking()) computer_.hideThinking();
    computer_.cancel();
}

void ComputerOpponent::thinking() {
    game_.Timer1_Timer();
}

void ComputerOpponent::moveChosen(const MoveAnswer& answer) {
    if (!answer.found) {
        // Not a single move or drop: the computer has lost.
        computer_.hideThinking();
        clocks_.run(false);
        canvas_.repaintNow();
        game_.終了("あなた");
        return;
    }
    const com::ComMove& m = answer.move;
    if (m.isDrop()) {
        screen_.描画_駒点滅(m.before, rules::kTopHandX, view::topStandRow(m.fromY), kBlinks);
    } else {
        screen_.描画_駒点滅(m.before, m.fromX, m.fromY, kBlinks);
    }
    computer_.hideThinking();

    const rules::MoveEffect effect =
        rules::駒移動(position_, m.fromX, m.fromY, m.toX, m.toY, m.after);
    lastMoves_.drawMove(m.fromX, m.fromY, m.toX, m.toY, effect);
    sounds_.駒移動音(m.after);

    const ClockTimes& t = clocks_.times();
    ++moves_.currentMove;
    game_.手順保存(t.bottomClock, t.bottomClock, t.topClock, t.topClock + t.turnSeconds);
    ++moves_.moveCount;
    screen_.描画_手数(moves_.moveCount);
    canvas_.repaintNow();

    clocks_.run(false);
    computer_.survey(position_);
    if (position_.winnerSide != 0 && position_.winnerSide == position_.topSide) {
        game_.終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    computer_.announceMove(position_, m.after);

    lastMoves_.描画_移動結果(position_.topSide, m.toX, m.toY, m.after, kMarkColour);
    screen_.描画_桝輪郭(kMarkColour, m.toX, m.toY);

    clocks_.addTurn(false);
    if (clocks_.timeOf(false).flagFallen()) {
        game_.flagFell();
        return;
    }
    clocks_.startTurn();
    state_.sideToMove = position_.bottomSide;
    canvas_.repaintNow();
    if (recordFull(moves_)) game_.refuseFullRecord();
}

void ComputerOpponent::HINT_Click() {
    const GameState& s = state_;
    // Only a human whose turn it is may ask: not before a game, not in record mode and not on
    // the computer's turn.
    const bool humansTurn =
        s.sideToMove != 0 && !s.kifuMode && position_.winnerSide == 0 &&
        (s.sideToMove == position_.bottomSide ||
         (s.sideToMove == position_.topSide && s.gameMode == GameMode::TwoHumans));
    if (!humansTurn) {
        sounds_.play(settings::Sound::禁止);
        return;
    }
    computer_.eraseHint(position_, state_);

    computer_.hint(requestFor(position_, s.sideToMove, s.comLevel, options_));
}

}  // namespace flow
