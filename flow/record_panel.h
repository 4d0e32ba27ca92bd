// The in-window game-record panel (choosing a folder, reading a record, saving the game), the
// header lines a read record prints around the board, and the recovery record: the game in
// progress copied after every recorded move and offered again at the next start.
#pragma once

#include <optional>
#include <string>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/file_panel.h"
#include "record/kifu_file.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

// The recovery record in the settings folder: the game in progress, in the record file's format.
inline const char* const kRecoveryFileName = "KZソラワ.recovery";

// Where a record read from the file list or pasted goes: the game puts it on the board in record
// mode.
class RecordReader {
  public:
    // A record read whole from a file (or its pasted text), the player told how to step through it.
    virtual void showReadRecord(const record::KifuLoad& loaded) = 0;
    // A record read from a pasted notation or record text, from its start (which may be any
    // position), the start's side to move first; the player is told how to step through its moves.
    virtual void showPastedRecord(const record::KifuLoad& loaded,
                                  rules::SideId sideToMoveAtStart) = 0;

  protected:
    ~RecordReader() = default;
};

class RecordPanel {
  public:
    // Without a panel, records are read and saved in `folder`. An empty `recoveryPath` keeps no
    // recovery record.
    RecordPanel(platform::FilePanel* panel, const std::string& folder, std::string recoveryPath,
                platform::Dialogs& dialogs, view::Screen& screen, platform::Canvas& canvas,
                const settings::Options& options, const record::MoveList& moves,
                const rules::Position& position, RecordReader& reader);
    RecordPanel(const RecordPanel&) = delete;
    RecordPanel& operator=(const RecordPanel&) = delete;

    // 棋譜 menu: the panel opens to read (the lists) or to save (the lists and the text boxes).
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    // Also Esc in the shown panel: it closes and nothing else happens.
    void hide();
    // True from 読込 or 書込 until the panel is hidden or a record is read.
    bool shown() const { return shown_; }
    // The directory list entered a folder.
    void Dir1_Change();
    // The RETURN button: the game is saved under the name typed, or the panel says why not.
    void Command1_Click();
    // A file of the file list was clicked: the record, read whole and checked, goes to the
    // reader; one that does not read leaves everything as it was, the reason shown.
    void File1_Click();
    // After a read record was put on the board: true when it has moves (the player is told how
    // to step through them), false when it has none (the player is told so).
    bool announceRead();
    // The header lines of a read record printed around the board, and their removal.
    void printHeaders(const record::KifuHeaders& headers);
    void 描画_棋譜読込み部分消去();
    // Erases what 描画_棋譜読込み部分消去 does and every header line printed; true when there were
    // header lines, whose top line shares its row with the top army's last move.
    bool eraseHeaders();

    // The recovery record (recovery.cpp): written after each recorded move, removed once the
    // game is over, saved, or a new one begins. Once the window is shown, one an earlier run
    // left behind is offered: Yes gives it back to be shown, No removes it, and one that does
    // not read is set aside under another name.
    void writeRecovery();
    void removeRecovery();
    std::optional<record::KifuLoad> offerRecovery();

  private:
    std::optional<record::KifuLoad> readSelected();
    void 描画_可視(bool drive, bool directory, bool file);
    void 描画_棋譜_IO(int mode);

    platform::NoFilePanel noFilePanel_;
    platform::FilePanel& panel_;
    std::string recoveryPath_;
    platform::Dialogs& dialogs_;
    view::Screen& screen_;
    platform::Canvas& canvas_;
    const settings::Options& options_;
    const record::MoveList& moves_;
    const rules::Position& position_;
    RecordReader& reader_;
    bool shown_ = false;
    bool headersPrinted_ = false;
};

}  // namespace flow
