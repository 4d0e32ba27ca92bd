// Whose turn it is: resuming at a press, and no play on where a king was taken. (The turn is handed
// over after a human move in human_move.cpp.)
#include "flow/game.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "rules/setup.h"

namespace flow {

namespace {

const char* turnMessage(rules::SideId side) {
    if (side == rules::SENTE) return KZ_TEXT("Game", "先手の番です");
    if (side == rules::GOTE) return KZ_TEXT("Game", "後手の番です");
    return nullptr;
}

}  // namespace

bool Game::announceTakenKing() {
    const bool bottomKing = rules::firstBottomKing(position_.board) != rules::空;
    const bool topKing = rules::firstTopKing(position_.board) != rules::空;
    if (bottomKing == topKing) return false;
    const rules::SideId winner = bottomKing ? position_.bottomSide : position_.topSide;
    if (state_.gameMode == GameMode::AgainstComputer) {
        終了(bottomKing ? "あなた" : "ｺﾝﾋﾟｭｰﾀ");
    } else {
        終了(winner == rules::SENTE ? "先手" : "後手");
    }
    return true;
}

void Game::resumeAtClick() {
    GameState& s = state_;
    rules::調査_先手後手(position_);
    s.sideToMove = sideToMoveAt(position_, moves_, moves_.currentMove);

    if (s.gameMode == GameMode::TwoHumans) {
        if (!s.resumePending) return;
        s.resumePending = false;
        clocks_.startTurn();
        if (const char* text = turnMessage(s.sideToMove)) {
            dialogs_.show(translated("Game", text), translated("Game", "対局"),
                          platform::Buttons::Ok);
        }
        return;
    }

    if (s.sideToMove == position_.topSide) {
        s.resumePending = false;
        dialogs_.show(translated("Game", "OKですか？"), translated("Game", "再開(COM)"),
                      platform::Buttons::Ok);
        opponent_.com_ban();
    } else if (s.sideToMove == position_.bottomSide && s.resumePending) {
        s.resumePending = false;
        clocks_.startTurn();
        dialogs_.show(translated("Game", "MANの番です"), translated("Game", "対局"),
                      platform::Buttons::Ok);
    }
}

}  // namespace flow
