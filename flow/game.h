// The game controller: the façade the window calls. It owns the position, the record, the game
// state, the options, the screen and the sounds, and carries out turns, selection and record
// stepping itself; the computer player and the computer as opponent (levels, its turns, the hint),
// the clocks, the record panel, copy and paste, the record's view (the move list and the review),
// the option menu, edit mode, the handicap buttons and the last-move display each own their part
// behind it. The routines are grouped by topic, one source file per group.
#pragma once

#include <string>

#include "flow/clipboard_commands.h"
#include "flow/clocks.h"
#include "flow/computer_opponent.h"
#include "flow/computer_player.h"
#include "flow/game_state.h"
#include "flow/handicap.h"
#include "flow/move_result_display.h"
#include "flow/option_menu.h"
#include "flow/position_editing.h"
#include "flow/record_panel.h"
#include "flow/record_view.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_panel.h"
#include "platform/frame.h"
#include "platform/gui_thread.h"
#include "platform/sound_library.h"
#include "record/kifu_file.h"
#include "record/move_list.h"
#include "rules/make_move.h"
#include "rules/position.h"
#include "settings/options.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

// The outside world the game talks to.
struct Boundaries {
    platform::Canvas& canvas;
    platform::Dialogs& dialogs;
    platform::DayClock& clock;
    platform::Timer& timer;
    platform::SoundLibrary& soundLibrary;
    platform::Frame& frame;
    // Where the wave files and the settings file are: the current directory when run normally.
    std::string folder = ".";
    // The file panel of the window; without one, records are read and saved in `folder`.
    platform::FilePanel* filePanel = nullptr;
    // Where the settings file and the recovery record are kept; empty: `folder`.
    std::string settingsFolder{};
    // True when the game in progress is copied to a recovery record after every recorded move,
    // and one left behind by an earlier run is offered by offerRecovery.
    bool keepsRecovery = false;
    // The language the system names: the game's until the player picks one.
    lang::Language systemLanguage = lang::Language::Japanese;
    // Where the review's workers send their results; without one, 棋譜解析 does nothing.
    platform::GuiThread* guiThread = nullptr;
    // Nodes the review searches in each entry.
    long reviewNodes = com::kAnalysisNodes;
    // The desktop's clipboard; without one, copy and paste do nothing.
    platform::Clipboard* clipboard = nullptr;
};

// Mouse buttons as the window reports them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kEscapeKey = 27;
// H (or h) asks for a hint.
constexpr int kHintKey = 'H';

// The game finishes what the computer's turn, the option menu, the record panel, copy and paste
// and edit mode leave to it.
class Game : private TurnHost, private OptionFollowUp, private RecordReader, private EditingHost {
  public:
    explicit Game(const Boundaries& outside);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Start-up, redraw and shutdown (game.cpp).
    void Form_Load();
    void 初期設定() override;
    void 画面_再描画();
    void 終了処理();
    void Form_Unload();
    void Form_KeyPress(int key);

    // 対局 menu (game_start.cpp); COM対局ﾚﾍﾞﾙ and ヒント are the computer opponent's.
    void TAIKYOKU_Click();
    void MATCH_MAN_Click();
    void START2_Click();
    void OWARI_Click();
    ComputerOpponent& opponent() { return opponent_; }
    // End of a game: announces the winner and asks whether to play on.
    void 終了(const std::string& name, const char* title = KZ_TEXT("Game", "終了")) override;

    // 局面 menu and the record buttons (record_commands.cpp); stepToEntry shows entry n as a run
    // of 戻 or 進 would.
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();
    void stepToEntry(int n);

    // Handicap buttons △ and ▽.
    HandicapButtons& handicapButtons() { return handicap_; }

    // 棋譜 → 読込 (record_mode.cpp): reading a record in the middle of a game asks first. 書込 and
    // the panel's own events go to the panel.
    void KIFU_READ_Click();
    RecordPanel& recordPanel() { return panel_; }
    // The move list beside the board and 棋譜解析.
    RecordView& recordView() { return recordView_; }
    // Once the window is shown, a game an earlier run left in the recovery record is offered;
    // Yes shows it in record mode at its last entry.
    void offerRecovery();

    // Copy and paste of the position and the record.
    ClipboardCommands& clipboard() { return clipboard_; }

    // ｵﾌﾟｼｮﾝ menu, 持ち時間…, その他 and the 言語 / Language and 駒の種類 / Pieces submenus.
    OptionMenu& optionMenu() { return menu_; }

    // The position editor's edit mode: 局面編集 and the edit bar.
    PositionEditing& positionEditing() { return editing_; }

    // Mouse and clock (mouse_input.cpp, game.cpp). Positions are twips of the client area.
    void Form_MouseDown(int button, double xTwips, double yTwips);
    void Timer1_Timer() override;

    const rules::Position& position() const { return position_; }
    const record::MoveList& moves() const { return moves_; }
    const GameState& state() const { return state_; }
    const Clocks& clocks() const { return clocks_; }
    const settings::Options& options() const { return options_; }
    view::Screen& screen() { return screen_; }

    // True once 終了処理 has run: the program is ending.
    bool shutDown() const { return shutDown_; }

  private:
    // Edit mode begins and ends (position_editing.cpp).
    bool suspendGame() override;
    void showRestoredGame() override;

    // Puts a record read from a file on the board in record mode, its header lines printed and
    // its entries in the move list, the cursors at the start (record_mode.cpp).
    void enterRecordMode(const record::KifuLoad& loaded);
    void showReadRecord(const record::KifuLoad& loaded) override;
    void showPastedRecord(const record::KifuLoad& loaded, rules::SideId sideToMoveAtStart) override;

    // Mouse input (mouse_input.cpp): one press on a board square or on a hand-stand cell. A
    // top-stand press gives its display row (view::topStandCell turns it into the stand's cell).
    void pressBoardSquare(int button, int c, int r);
    void pressStand(SelectionFrom stand, int row);

    // A human move (human_move.cpp): the selected piece goes to (toX, toY) as movePiece, then the
    // turn is handed over.
    void makeHumanMove();

    // Turns (turns.cpp).
    void resumeAtClick();
    // A game is not played on where a king was taken: true when the position shown lacks one,
    // after the end was announced as the capture announced it (the winner, then 続けますか？).
    bool announceTakenKing();

    // The move list (record_commands.cpp). 手順保存 writes the board and hands into entry
    // currentMove and makes it the last; it refuses (false) an entry past the end of the list.
    bool 手順保存(double bottomBefore, double bottomAfter, double topBefore,
                  double topAfter) override;
    // The stop of a game whose list has no room for another move: the clocks stop, the message
    // says why, and nothing is held. Stepping back with 戻 makes room to resume.
    void refuseFullRecord() override;
    // Puts entry n's board and hands back on the position.
    void restoreEntry(int n);
    // Shows entry n stepped onto: its position, the clocks it was recorded with (those its row in
    // the move list shows), both stands, the board and the last move of each army.
    void showEntry(int n);

    // What the game finishes after an option (options.cpp).
    void chineseDropsSwitched() override;
    void pieceSetChanged() override;

    // The mover's time ran out: the game ends as a taken king ends it, the winner named under
    // "時間切れ", then 続けますか？ (game_start.cpp).
    void flagFell() override;

    platform::Canvas& canvas_;
    // The message boxes the game shows stop the clocks while they wait.
    ClockPausingDialogs pausingDialogs_;
    platform::Dialogs& dialogs_;
    platform::Frame& frame_;
    platform::DayClock& clock_;

    rules::Position position_;
    record::MoveList moves_;
    GameState state_;
    settings::Options options_;
    view::Screen screen_;
    settings::Sounds sounds_;
    Clocks clocks_;
    ComputerPlayer computer_;
    RecordPanel panel_;
    OptionMenu menu_;
    PositionEditing editing_;
    // What a move shows, and the last move of each army beside the board.
    MoveResultDisplay lastMoves_{screen_, position_, moves_, options_};
    ComputerOpponent opponent_;
    HandicapButtons handicap_;
    ClipboardCommands clipboard_;
    bool shutDown_ = false;
    // Last: the review's workers are stopped before anything they report to goes.
    RecordView recordView_;
};

}  // namespace flow
