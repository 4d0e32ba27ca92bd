// The computer's turn: "思考中" over the board while it thinks, the search for its move, and the
// move played, recorded and announced before the turn goes back to the human.
#include "com/choose_move.h"
#include "com/influence_survey.h"
#include "com/mate.h"
#include "flow/game.h"
#include "flow/texts.h"
#include "rules/make_move.h"
#include "view/layout.h"

namespace flow {

namespace {

// The search keeps the clock display moving: one tick per board column and per hand index.
class ClockTicks : public com::SearchObserver {
  public:
    explicit ClockTicks(Game& game) : game_(game) {}
    void tick() override { game_.Timer1_Timer(); }

  private:
    Game& game_;
};

// The piece to be moved blinks this many times before it goes.
constexpr int kBlinks = 3;

// "思考中" stands in the text row above the board, light over a dark shadow.
constexpr double kThinkingFontSize = 12;
constexpr int kThinkingColour = platform::palette::kWhite;
constexpr double kTextRow = -1;
constexpr int kTextCells = 3;

// The cells the text row and the top stand leave outlined where the text runs over them.
constexpr int kStandEdgeRow = 7;
constexpr int kBoardEdgeRow = 8;

bool isChinesePiece(rules::PieceCode piece) {
    return rules::isTop(piece) && rules::isChineseKind(rules::magnitude(piece));
}

}  // namespace

void Game::com_ban() {
    // With the list full the computer's move could not be kept: it does not move.
    if (recordFull()) {
        refuseFullRecord();
        return;
    }
    openComTurn();

    ClockTicks ticks(*this);
    com::SearchSettings settings;
    settings.comLevel = state_.comLevel;
    settings.chineseDrops = options_.chineseDrops;
    if (!com::chooseMove(position_, map_, comState_, settings, &ticks)) {
        // Not a single move or drop: the computer has lost.
        hideThinking();
        timer_.setEnabled(false);
        canvas_.repaintNow();
        終了("あなた");
        return;
    }
    playComMove(comState_.best);
}

void Game::openComTurn() {
    state_.turnStart = clock_.secondsSinceMidnight();
    if (options_.elapsedTime) timer_.setEnabled(true);
    hideThinking();
    if (options_.chineseDrops) {
        screen_.描画_桝輪郭(settings::kOutlineColour, rules::kTopHandX, kStandEdgeRow);
    }
    showThinking();
    screen_.描画_桝輪郭(settings::kOutlineColour, 1, kBoardEdgeRow);
    canvas_.repaintNow();
}

void Game::showThinking() {
    const std::string thinking = translated("Game", "思考中");
    screen_.描画_数値(1.2, -0.4, thinking, kShadowColour, kThinkingFontSize);
    screen_.描画_数値(1.1, -0.5, thinking, kThinkingColour, kThinkingFontSize);
}

void Game::hideThinking() {
    for (int c = 1; c <= kTextCells; ++c) screen_.描画_絵(options_.background, c, kTextRow);
}

void Game::playComMove(const com::ComMove& m) {
    GameState& s = state_;
    if (m.isDrop()) {
        screen_.描画_駒点滅(m.before, rules::kTopHandX, view::topStandRow(m.fromY), kBlinks);
    } else {
        screen_.描画_駒点滅(m.before, m.fromX, m.fromY, kBlinks);
    }
    hideThinking();

    const rules::MoveEffect effect =
        rules::駒移動(position_, m.fromX, m.fromY, m.toX, m.toY, m.after);
    drawMove(m.fromX, m.fromY, m.toX, m.toY, effect);
    sounds_.駒移動音(m.after);

    ++moves_.currentMove;
    手順保存(s.bottomClock, s.bottomClock, s.topClock, s.topClock + s.turnSeconds);
    ++moves_.moveCount;
    screen_.描画_手数(moves_.moveCount);
    canvas_.repaintNow();

    timer_.setEnabled(false);
    com::勢力調査(position_, map_);
    if (position_.winnerSide != 0 && position_.winnerSide == position_.topSide) {
        終了("ｺﾝﾋﾟｭｰﾀ");
        return;
    }
    announceComMove(m.after);

    描画_移動結果(position_.topSide, m.toX, m.toY, m.after, kMarkColour);
    screen_.描画_桝輪郭(kMarkColour, m.toX, m.toY);

    s.topClock += s.turnSeconds;
    s.turnStart = clock_.secondsSinceMidnight();
    s.sideToMove = position_.bottomSide;
    if (options_.elapsedTime) timer_.setEnabled(true);
    canvas_.repaintNow();
    if (recordFull()) refuseFullRecord();
}

void Game::announceComMove(rules::PieceCode after) {
    if (com::詰めかMAN(position_, map_) == 1) {
        dialogs_.show(translated("Game", "よし！!"), translated("Game", "詰め ?"),
                      platform::Buttons::Ok);
        return;
    }
    if (map_.enemyAttacks(position_.ownKingX, position_.ownKingY) <= 0) return;
    if (isChinesePiece(after)) {
        dialogs_.show(translated("Game", "   ** 将(Jiang) **"), translated("Game", "王手"),
                      platform::Buttons::Ok);
    } else {
        dialogs_.show(translated("Game", "   ** 王手 **"), "", platform::Buttons::Ok);
    }
}

}  // namespace flow
