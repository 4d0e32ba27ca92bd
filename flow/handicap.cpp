#include "flow/handicap.h"

#include "flow/texts.h"
#include "rules/handicap.h"

namespace flow {

namespace {

// Why a handicap button was refused, by reason 1..3.
const char* reasonText(int reason) {
    switch (reason) {
        case 1:
            return KZ_TEXT("Game", "棋譜ﾓｰﾄﾞではできません");
        case 2:
            return KZ_TEXT("Game", "対局途中ではできません");
        case 3:
            return KZ_TEXT("Game", "反転後ではできません");
        default:
            return "";
    }
}

// Why the grade cannot change now, and how to make it possible.
void 描画_メッセージ(platform::Dialogs& dialogs, int reason) {
    const char* why = reasonText(reason);
    dialogs.show(
        (*why ? translated("Game", why) : "") + translated("Game", "\r\r局面→最初にして下さい"),
        translated("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"), platform::Buttons::Ok);
}

}  // namespace

HandicapButtons::HandicapButtons(rules::Position& position, record::MoveList& moves,
                                 GameState& state, const settings::Options& options,
                                 view::Screen& screen, settings::Sounds& sounds,
                                 platform::Dialogs& dialogs, RecordPanel& panel,
                                 ComputerOpponent& opponent, RecordView& recordView)
    : position_(position),
      moves_(moves),
      state_(state),
      options_(options),
      screen_(screen),
      sounds_(sounds),
      dialogs_(dialogs),
      panel_(panel),
      opponent_(opponent),
      recordView_(recordView) {}

void HandicapButtons::LBEL_UP_Click() {
    handicapClick(+1);
}

void HandicapButtons::LEBEL_DOWN_Click() {
    handicapClick(-1);
}

void HandicapButtons::handicapClick(int direction) {
    panel_.hide();
    // The grade can change only on the untouched starting position.
    int refusal = 0;
    if (state_.kifuMode) {
        refusal = 1;
    } else if (moves_.currentMove > 0) {
        refusal = 2;
    } else if (state_.reversed) {
        refusal = 3;
    }
    if (refusal != 0) {
        sounds_.play(settings::Sound::禁止);
        描画_メッセージ(dialogs_, refusal);
        return;
    }
    // The computer may be thinking on the start of a set-up record: it thinks again at a press.
    opponent_.stopComputer();

    moves_.lastMove = 0;
    const rules::HandicapStep step =
        rules::handicapStep(position_.board, state_.handicapGrade, direction);
    if (step.grade != state_.handicapGrade) {
        state_.handicapGrade = step.grade;
        screen_.描画_ハンデレベル(step.grade);
        if (step.changed) {
            const rules::HandicapSquare& sq = *step.changed;
            screen_.描画_絵(sq.code, sq.x, sq.y);
            screen_.描画_桝輪郭(settings::kOutlineColour, sq.x, sq.y);
            sounds_.駒移動音(sq.code);
            // The game starts from the handicapped board, so stepping back to its start must
            // find the pieces missing too.
            moves_[moves_.currentMove].boardAt = position_.board;
            // A piece taken off while it was held is let go: it cannot move any more.
            if (state_.selectState && state_.fromX == sq.x && state_.fromY == sq.y) {
                state_.selectState = false;
                screen_.描画_将棋盤桝();
            } else if (state_.selectState) {
                // A piece still held may now go where a piece went, or no longer go there.
                screen_.描画_移動可能桝色(state_.fromX, state_.fromCell(), options_.guidanceColour,
                                          state_.movePiece);
                screen_.描画_桝輪郭(kSelectColour, state_.fromX, state_.fromY);
            }
        }
    }
    state_.handicapSet = true;
    recordView_.recordChanged();
}

void HandicapButtons::negateHandicapGrade() {
    if (!state_.handicapSet) return;
    state_.handicapGrade = -state_.handicapGrade;
    screen_.描画_ハンデレベル(state_.handicapGrade);
}

}  // namespace flow
