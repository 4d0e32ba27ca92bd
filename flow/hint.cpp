// The hint: the move the computer would play for the army to move, at the present level and
// drops option, outlined on the board and named in a box, without playing it. The outlines stay
// until the next press.
#include "flow/computer_player.h"
#include "flow/texts.h"
#include "record/notation.h"
#include "view/layout.h"

namespace flow {

namespace {

// Texts of the hint box; the promotion mark is the notation's own.
const char* const kHintTitle = KZ_TEXT("Game", "ヒント");
const char* const kNoMoveText = KZ_TEXT("Game", "指せる手がありません");
const char* const kPromotes = "成";

// A colour nothing else on the window is drawn in.
constexpr int kHintColour = platform::palette::kFuchsia;
// The hint's outline runs round the cell's own and once more just inside it.
constexpr double kInsetTwips = platform::kTwipsPerPixel;

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
    hint_ = {true, m.fromX, m.fromY, m.toX, m.toY};
    // A drop starts from the stand cell as it is drawn: the top stand counts up from row 9.
    if (m.fromX == rules::kTopHandX) hint_.fromY = view::topStandRow(m.fromY);
    for (const auto& [c, r] : {std::pair{hint_.fromX, hint_.fromY}, {hint_.toX, hint_.toY}}) {
        screen_.描画_桝輪郭(kHintColour, c, r);
        canvas_.outline(kHintColour, screen_.x(c) + kInsetTwips, screen_.y(r) + kInsetTwips,
                        screen_.x(c) + view::kSquareWidth - kInsetTwips,
                        screen_.y(r) + view::kSquareHeight - kInsetTwips);
    }
    canvas_.repaintNow();

    std::string text = record::moveText(m.toX, m.toY, m.before);
    if (m.after != m.before) text += kPromotes;
    dialogs_.show(text, translated("Game", kHintTitle), platform::Buttons::Ok);
}

void ComputerPlayer::eraseHint(const rules::Position& pos, const GameState& s) {
    if (!hint_.shown) return;
    hint_.shown = false;
    for (const auto& [c, r] : {std::pair{hint_.fromX, hint_.fromY}, {hint_.toX, hint_.toY}}) {
        if (rules::Board::onBoard(c, r)) {
            screen_.描画_絵(pos.board(c, r), c, r);
        } else if (c == rules::kBottomHandX) {
            screen_.描画_自持盤();
        } else {
            screen_.描画_敵持盤();
        }
        const bool held = s.selectState && s.fromX == c && s.fromY == r;
        screen_.描画_桝輪郭(held ? kSelectColour : settings::kOutlineColour, c, r);
    }
}

}  // namespace flow
