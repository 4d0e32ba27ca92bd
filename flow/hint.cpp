// The hint: the move the computer would play for the army to move, at the present level and
// drops option, outlined on the board and named in a box, without playing it. The outlines stay
// until the next press.
#include "flow/computer_player.h"
#include "flow/texts.h"
#include "view/layout.h"
#include "view/piece_names.h"

namespace flow {

namespace {

// Texts of the hint box; the move and its promotion mark are written in the piece set's notation.
const char* const kHintTitle = KZ_TEXT("Game", "ヒント");
const char* const kNoMoveText = KZ_TEXT("Game", "指せる手がありません");

// A colour nothing else on the window is drawn in.
constexpr int kHintColour = platform::palette::kFuchsia;

}  // namespace

void ComputerPlayer::hint(const MoveRequest& request) {
    ask(request, hintListener_);
}

void ComputerPlayer::showHint(const MoveAnswer& answer) {
    if (!answer.found) {
        dialogs_.show(translated("Game", kNoMoveText), translated("Game", kHintTitle),
                      platform::Buttons::Ok);
        return;
    }
    const com::ComMove& m = answer.move;
    hint_.show(kHintColour, m);

    std::string text = view::moveText(options_.pieceSet, m.toX, m.toY, m.before);
    if (m.after != m.before) text += view::promotionMark(options_.pieceSet);
    dialogs_.show(text, translated("Game", kHintTitle), platform::Buttons::Ok);
}

void ComputerPlayer::eraseHint(const rules::Position& pos, const GameState& s) {
    hint_.erase(pos, s);
}

}  // namespace flow
