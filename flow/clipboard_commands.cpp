// Copy and paste: the position shown goes out as its notation and the record as its text; a
// pasted notation, record text or record file comes in as a read record does, in record mode.
#include "flow/clipboard_commands.h"
#include "flow/position_editor.h"
#include "flow/texts.h"
#include "flow/turn_queries.h"
#include "lang/language.h"
#include "record/entry_position.h"
#include "record/pasted_text.h"
#include "record/position_notation.h"
#include "record/record_text.h"

namespace flow {

namespace {

constexpr const char* kPasteTitle = KZ_TEXT("Game", "貼り付け");

// A record read from pasted text as a read record: `list` from its start (entry 0, which may be
// any position) to its last entry, the start's side to move first.
record::KifuLoad pastedRecord(const record::MoveList& list, rules::SideId sideToMoveAtStart) {
    record::KifuLoad loaded;
    loaded.entries.assign(list.entries.begin() + 1, list.entries.begin() + 1 + list.lastMove);
    // A start other than the usual one is kept with the record, as the position editor keeps it:
    // the reset lays it out, and a save writes it.
    if (!isUsualStart(record::positionOfEntry(list[0]), sideToMoveAtStart)) {
        loaded.start = list[0];
        loaded.startSide = sideToMoveAtStart;
    }
    loaded.startMoveNumber = list.startMoveNumber;
    loaded.startDate = list.startDate;
    return loaded;
}

}  // namespace

ClipboardCommands::ClipboardCommands(platform::Clipboard* clipboard,
                                     const rules::Position& position, const record::MoveList& moves,
                                     const GameState& state, const settings::Options& options,
                                     Clocks& clocks, settings::Sounds& sounds,
                                     platform::Dialogs& dialogs, RecordPanel& panel,
                                     ComputerPlayer& computer, RecordReader& reader)
    : clipboard_(clipboard),
      position_(position),
      moves_(moves),
      state_(state),
      options_(options),
      clocks_(clocks),
      sounds_(sounds),
      dialogs_(dialogs),
      panel_(panel),
      computer_(computer),
      reader_(reader) {}

void ClipboardCommands::COPY_POSITION_Click() {
    if (clipboard_ == nullptr) return;
    const int n = moves_.currentMove;
    // Before a game the shogi army is to move; past a recorded move, the army its mover left to.
    rules::SideId side = state_.sideToMove;
    if (side == 0) side = n > 0 ? sideToMoveAt(position_, moves_, n) : rules::SENTE;
    if (side == 0) side = rules::SENTE;
    clipboard_->setText(record::positionToNotation(position_, side, moves_.startMoveNumber + n));
}

void ClipboardCommands::COPY_RECORD_Click() {
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
    const rules::SideId first = moves_.lastMove > 0 ? -sideToMoveAt(position_, moves_, 1) : 0;
    info.sideToMoveAtStart = first != 0 ? first : sideToMoveAt(position_, moves_, 0);
    if (info.sideToMoveAtStart == 0) info.sideToMoveAtStart = rules::SENTE;
    info.startMoveNumber = moves_.startMoveNumber;
    info.date = moves_.startDate;
    info.timeControl = clocks_.recordControl();
    info.timeLoser = moves_.timeLoser;
    clipboard_->setText(record::recordToText(moves_, info));
}

void ClipboardCommands::PASTE_Click() {
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
    if (gameBeingPlayed(state_, moves_) &&
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
            reader_.showPastedRecord(pastedRecord(list, position.value.sideToMove),
                                     position.value.sideToMove);
            break;
        }
        case record::PastedKind::RecordText:
            recordText.list.startMoveNumber = recordText.info.startMoveNumber;
            recordText.list.startDate = recordText.info.date;
            recordText.list.timeLoser = recordText.info.timeLoser;
            reader_.showPastedRecord(
                pastedRecord(recordText.list, recordText.info.sideToMoveAtStart),
                recordText.info.sideToMoveAtStart);
            // A copy of it names the time control its text names.
            clocks_.setRecordControl(recordText.info.timeControl);
            break;
        case record::PastedKind::RecordFile:
            reader_.showReadRecord(recordFile);
            break;
        case record::PastedKind::Unknown:
            break;
    }
}

}  // namespace flow
