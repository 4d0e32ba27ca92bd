// Copy and paste: the position shown goes out as its notation and the record as its text; a
// pasted notation, record text or record file comes in as a read record does, in record mode.
#include "flow/game.h"
#include "flow/position_editor.h"
#include "flow/texts.h"
#include "lang/language.h"
#include "record/entry_position.h"
#include "record/pasted_text.h"
#include "record/position_notation.h"
#include "record/record_text.h"

namespace flow {

namespace {

constexpr const char* kPasteTitle = KZ_TEXT("Game", "貼り付け");

}  // namespace

void Game::COPY_POSITION_Click() {
    if (clipboard_ == nullptr) return;
    const int n = moves_.currentMove;
    // Before a game the shogi army is to move; past a recorded move, the army its mover left to.
    rules::SideId side = state_.sideToMove;
    if (side == 0) side = n > 0 ? sideToMoveAt(n) : rules::SENTE;
    if (side == 0) side = rules::SENTE;
    clipboard_->setText(record::positionToNotation(position_, side, moves_.startMoveNumber + n));
}

void Game::COPY_RECORD_Click() {
    if (clipboard_ == nullptr) return;
    record::RecordInfo info;
    if (state_.recordAgainstComputer) {
        // The computer plays the army at the top.
        info.computerSide = position_.topSide;
        info.comLevel = state_.comLevel;
    }
    info.handicapGrade = state_.handicapGrade;
    info.chineseDrops = options_.chineseDrops;
    // The army that made the first move was the one to move at the start.
    const rules::SideId first = moves_.lastMove > 0 ? -sideToMoveAt(1) : 0;
    info.sideToMoveAtStart = first != 0 ? first : sideToMoveAt(0);
    if (info.sideToMoveAtStart == 0) info.sideToMoveAtStart = rules::SENTE;
    info.startMoveNumber = moves_.startMoveNumber;
    info.date = moves_.startDate;
    info.timeControl = clocks_.recordControl();
    info.timeLoser = moves_.timeLoser;
    clipboard_->setText(record::recordToText(moves_, info));
}

void Game::PASTE_Click() {
    if (clipboard_ == nullptr) return;
    const std::string text = clipboard_->text();
    const std::string title = translated("Game", kPasteTitle);
    // Read first: a text that does not read changes nothing and asks nothing.
    std::string fault;
    record::NotationRead position;
    record::RecordTextRead recordText;
    record::KifuLoad recordFile;
    const record::PastedKind kind = record::kindOfPastedText(text);
    switch (kind) {
        case record::PastedKind::Unknown:
            fault =
                translated("Game", "貼り付けられるのは局面の表記、棋譜の文、棋譜ﾌｧｲﾙの中身です");
            break;
        case record::PastedKind::PositionNotation:
            position = record::readNotation(text);
            if (!position) fault = record::describe(position, translated);
            break;
        case record::PastedKind::RecordText:
            recordText = record::readRecordText(text);
            if (!recordText) fault = record::describe(recordText, translated);
            break;
        case record::PastedKind::RecordFile:
            recordFile = record::loadText(text, translated("Game", "貼り付けた文"));
            if (!recordFile.status) fault = record::describe(recordFile.status, translated);
            break;
    }
    if (!fault.empty()) {
        sounds_.play(settings::Sound::禁止);
        dialogs_.show(fault, title, platform::Buttons::Ok, platform::Icon::Warning);
        return;
    }
    if (gameBeingPlayed() &&
        dialogs_.show(translated("Game", "対局中のゲームを終えて貼り付けますか？"), title,
                      platform::Buttons::YesNo) != platform::Answer::Yes) {
        return;
    }
    panel_.hide();
    computer_.eraseHint(position_, state_);
    switch (kind) {
        case record::PastedKind::PositionNotation: {
            // A position alone is a record of its start and nothing more.
            record::MoveList list;
            const rules::Position& p = position.value.position;
            list[0].boardAt = p.board;
            list[0].ownHandAt = p.ownHand;
            list[0].enemyHandAt = p.enemyHand;
            list.startMoveNumber = position.value.moveNumber;
            enterPastedRecord(list, {}, position.value.sideToMove);
            break;
        }
        case record::PastedKind::RecordText:
            recordText.list.startMoveNumber = recordText.info.startMoveNumber;
            recordText.list.startDate = recordText.info.date;
            recordText.list.timeLoser = recordText.info.timeLoser;
            enterPastedRecord(recordText.list, {}, recordText.info.sideToMoveAtStart);
            // A copy of it names the time control its text names.
            clocks_.setRecordControl(recordText.info.timeControl);
            break;
        case record::PastedKind::RecordFile:
            showReadRecord(recordFile);
            break;
        case record::PastedKind::Unknown:
            break;
    }
}

void Game::enterPastedRecord(const record::MoveList& list, const record::KifuHeaders& headers,
                             rules::SideId sideToMoveAtStart) {
    record::KifuLoad loaded;
    loaded.headers = headers;
    loaded.entries.assign(list.entries.begin() + 1, list.entries.begin() + 1 + list.lastMove);
    // A start other than the usual one is kept with the record, as the position editor keeps it:
    // the reset lays it out, and a save writes it.
    if (!isUsualStart(record::positionOfEntry(list[0]), sideToMoveAtStart)) {
        loaded.start = list[0];
        loaded.startSide = sideToMoveAtStart;
    }
    loaded.startMoveNumber = list.startMoveNumber;
    loaded.startDate = list.startDate;
    enterRecordMode(loaded);
    recordChanged();
    canvas_.repaintNow();
    if (list.lastMove > 0) panel_.announceRead();
    state_.sideToMove = sideToMoveAtStart;
}

}  // namespace flow
