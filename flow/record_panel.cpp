#include "flow/record_panel.h"

#include <utility>

#include "flow/game_state.h"
#include "flow/record_panel_text.h"
#include "flow/texts.h"

namespace flow {

namespace {

const char* const kSaveTitle = KZ_TEXT("Game", "棋譜保存");
const char* const kRecordTitle = KZ_TEXT("Game", "棋譜");
const char* const kBlankTitle = "  ";

}  // namespace

RecordPanel::RecordPanel(platform::FilePanel* panel, const std::string& folder,
                         std::string recoveryPath, platform::Dialogs& dialogs, view::Screen& screen,
                         platform::Canvas& canvas, const settings::Options& options,
                         const record::MoveList& moves, const rules::Position& position,
                         RecordReader& reader)
    : noFilePanel_(folder),
      panel_(panel != nullptr ? *panel : noFilePanel_),
      recoveryPath_(std::move(recoveryPath)),
      dialogs_(dialogs),
      screen_(screen),
      canvas_(canvas),
      options_(options),
      moves_(moves),
      position_(position),
      reader_(reader) {}

void RecordPanel::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
    shown_ = true;
}

void RecordPanel::KIFU_WRITE_Click() {
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
    shown_ = true;
}

// There is no drive list on this platform; its flag is kept so every caller reads as before.
void RecordPanel::描画_可視(bool, bool directory, bool file) {
    panel_.setDirectoryListVisible(directory);
    panel_.setFileListVisible(file);
}

void RecordPanel::描画_棋譜_IO(int mode) {
    if (mode == 0) {
        panel_.setTextPanelVisible(true);
        return;
    }
    panel_.setTextPanelVisible(false);
    for (const platform::PanelBox box : {platform::PanelBox::FileName, platform::PanelBox::GameName,
                                         platform::PanelBox::Sente, platform::PanelBox::Gote})
        panel_.setText(box, "");
}

void RecordPanel::hide() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    shown_ = false;
}

void RecordPanel::Dir1_Change() {
    panel_.setFilePath(panel_.directoryPath());
}

void RecordPanel::Command1_Click() {
    using platform::PanelBox;
    const std::string name = panel_.text(PanelBox::FileName);
    if (name.empty()) {
        dialogs_.show(translated("Game", "ﾌｧｲﾙ名が入力されていません"), kBlankTitle,
                      platform::Buttons::Ok);
        return;
    }
    if (!usableRecordName(name)) {
        dialogs_.show(record::fillIn(translated("Game", "ﾌｧｲﾙ名 '%1' は使えません"), {name}),
                      kBlankTitle, platform::Buttons::Ok);
        return;
    }
    if (moves_.lastMove < 1) {
        dialogs_.show(translated("Game", "保存するデータがありません"),
                      translated("Game", kSaveTitle), platform::Buttons::Ok);
        return;
    }

    const std::string path = panel_.filePath() + "/" + name + record::kKifuExtension;
    const record::KifuHeaders headers =
        record::headerLines(panel_.text(PanelBox::GameName), panel_.text(PanelBox::Sente),
                            panel_.text(PanelBox::Gote), position_.bottomSide);
    const record::KifuStatus saved = record::save(path, headers, moves_, moves_.lastMove);
    if (!saved) {
        // The panel stays as it is, so the player can put the name right and try again.
        dialogs_.show(record::describe(saved, translated), translated("Game", kSaveTitle),
                      platform::Buttons::Ok);
        return;
    }
    hide();
    panel_.refreshFiles();
    // The game is safe in the player's own record now.
    removeRecovery();
    dialogs_.show(translated("Game", "棋譜を書き込みました"), kBlankTitle, platform::Buttons::Ok);
}

void RecordPanel::File1_Click() {
    const std::optional<record::KifuLoad> loaded = readSelected();
    if (loaded) reader_.showReadRecord(*loaded);
}

std::optional<record::KifuLoad> RecordPanel::readSelected() {
    描画_可視(false, false, false);
    shown_ = false;
    const std::string name = panel_.selectedFile();
    if (name.empty()) return std::nullopt;

    // The whole file is read and checked before anything of the game is touched: a record that
    // cannot be read leaves the board and the move list as they were.
    record::KifuLoad loaded = record::load(panel_.filePath() + "/" + name);
    if (!loaded.status) {
        dialogs_.show(record::describe(loaded.status, translated), translated("Game", kRecordTitle),
                      platform::Buttons::Ok);
        return std::nullopt;
    }
    return loaded;
}

bool RecordPanel::announceRead() {
    const std::string title = translated("Game", kRecordTitle);
    if (moves_.lastMove == 0) {
        dialogs_.show(translated("Game", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), title,
                      platform::Buttons::Ok);
        return false;
    }
    dialogs_.show(translated("Game", " 読み込みました"), title, platform::Buttons::Ok);
    dialogs_.show(translated("Game", "棋譜を '進 'で進めて下さい"), title, platform::Buttons::Ok);
    return true;
}

void RecordPanel::printHeaders(const record::KifuHeaders& h) {
    screen_.printHeaderLines(h);
    for (const std::string& line : h)
        if (!line.empty()) headersPrinted_ = true;
    canvas_.repaintNow();
}

void RecordPanel::描画_棋譜読込み部分消去() {
    screen_.描画_桝_数値();
    for (int x = 1; x <= 9; ++x) {
        screen_.描画_絵(options_.background, x, 10);
        screen_.描画_桝輪郭(kWindowColour, x, 9);
    }
}

bool RecordPanel::eraseHeaders() {
    描画_棋譜読込み部分消去();
    screen_.eraseHeaderLines();
    return std::exchange(headersPrinted_, false);
}

}  // namespace flow
