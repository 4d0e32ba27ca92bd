// The game controller: the façade the window calls. It owns the position, the record, the game
// state, the options, the screen and the sounds, and carries out turns, selection and record
// stepping itself; the computer player, the clocks, the record panel, the option menu, edit mode,
// the handicap buttons and the last-move display each own their part behind it. The routines are
// grouped by topic, one source file per group.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "flow/clocks.h"
#include "flow/computer_player.h"
#include "flow/game_state.h"
#include "flow/handicap.h"
#include "flow/move_outline.h"
#include "flow/move_result_display.h"
#include "flow/option_menu.h"
#include "flow/position_editing.h"
#include "flow/record_listener.h"
#include "flow/record_panel.h"
#include "flow/review.h"
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
#include "record/move_list_rows.h"
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

// The game hears the computer's answers for its own turns, and finishes what the option menu, the
// record panel, edit mode and the handicap buttons leave to it.
class Game : private MoveListener,
             private OptionFollowUp,
             private RecordReader,
             private EditingHost,
             private HandicapHost {
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

    // 対局 menu (game_start.cpp, levels.cpp).
    void TAIKYOKU_Click();
    void MATCH_MAN_Click();
    void START2_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    void LEVEL5_Click();
    void OWARI_Click();
    // End of a game: announces the winner and asks whether to play on.
    void 終了(const std::string& name, const char* title = KZ_TEXT("Game", "終了"));

    // 局面 menu and the record buttons (record_commands.cpp).
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();

    // Handicap buttons △ and ▽.
    HandicapButtons& handicapButtons() { return handicap_; }

    // 棋譜 menu (record_mode.cpp). Reading a record in the middle of a game asks first. The
    // panel's own events go to the panel.
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    RecordPanel& recordPanel() { return panel_; }
    // 棋譜解析 (review_menu.cpp) reviews the record in memory off the GUI thread, or stops the
    // review that runs. Its results stay until the record changes.
    void KIFU_ANALYSE_Click();
    bool analysing() const { return review_.running(); }
    // "解析中 37 / 120" while the review runs; empty otherwise.
    std::string analysisProgress() const { return review_.progressText(); }
    ReviewCount analysisCount() const { return review_.progress(); }
    // One row per entry of the reviewed record (empty before a review), in the piece set's names.
    std::vector<ReviewRow> reviewRows() const;
    // Once the window is shown, a game an earlier run left in the recovery record is offered;
    // Yes shows it in record mode at its last entry.
    void offerRecovery();

    // Copy and paste (clipboard_commands.cpp): the position shown as its notation, the whole
    // record as text, and a paste of either (or of a record file's text) shown as a read record.
    void COPY_POSITION_Click();
    void COPY_RECORD_Click();
    void PASTE_Click();

    // ｵﾌﾟｼｮﾝ menu, その他 and the 言語 / Language and 駒の種類 / Pieces submenus.
    OptionMenu& optionMenu() { return menu_; }
    const OptionMenu& optionMenu() const { return menu_; }
    // 持ち時間…: `ask` shows the window's dialog with the control chosen so far and gives the
    // one the player takes (for the games to come; a game in progress keeps its own), or nothing.
    // As for a message box, the time the dialog is open is no one's.
    using TimeControlAsker =
        std::function<std::optional<record::TimeControl>(const record::TimeControl& current)>;
    void TIME_CONTROL_Click(const TimeControlAsker& ask);

    // The move list beside the board (record_view.cpp). The listener is told whenever the list
    // or the entry shown changes; stepToEntry shows entry n as a run of 戻 or 進 would.
    void setRecordListener(RecordListener* listener);
    std::vector<record::MoveListRow> moveListRows() const;
    void stepToEntry(int n);

    // The hint (computer_turn.cpp): the computer's choice for the army to move, shown without
    // playing it.
    void HINT_Click();

    // The position editor's edit mode: 局面編集 and the edit bar.
    PositionEditing& positionEditing() { return editing_; }

    // Mouse and clock (mouse_input.cpp, game.cpp). Positions are twips of the client area.
    void Form_MouseDown(int button, double xTwips, double yTwips);
    void Timer1_Timer();

    const rules::Position& position() const { return position_; }
    const record::MoveList& moves() const { return moves_; }
    const GameState& state() const { return state_; }
    const ClockTimes& clockTimes() const { return clocks_.times(); }
    const Clocks& clocks() const { return clocks_; }
    const settings::Options& options() const { return options_; }
    const ComputerPlayer& computer() const { return computer_; }
    view::Screen& screen() { return screen_; }
    settings::Sounds& sounds() { return sounds_; }

    // True once 終了処理 has run: the program is ending.
    bool shutDown() const { return shutDown_; }

  private:
    // The side to move after recorded move n, from the record.
    rules::SideId sideToMoveAt(int n) const override;
    // Edit mode begins and ends (position_editing.cpp).
    bool suspendGame() override;
    void showRestoredGame() override;

    // Level (levels.cpp).
    void レベル_設定(int n);
    void levelClick(int n);

    // Puts a record read from a file on the board in record mode, its header lines printed and
    // its entries in the move list, the cursors at the start (record_mode.cpp).
    void enterRecordMode(const record::KifuLoad& loaded);
    // A record read whole from a file (or its pasted text) put on the board, the player told how to
    // step through it.
    void showReadRecord(const record::KifuLoad& loaded) override;
    // Puts a record read from pasted text on the board in record mode: `list` from its start
    // (entry 0, which may be any position) to its last entry, the start's side to move first
    // (clipboard_commands.cpp).
    void enterPastedRecord(const record::MoveList& list, const record::KifuHeaders& headers,
                           rules::SideId sideToMoveAtStart);
    // Shows the last entry of the move list as that many steps of 進 would.
    void showLastEntry();

    // True while a game is being played: not before or after one, not in record mode, not
    // paused by stepping until a press resumes it, and not at a full record.
    bool gameBeingPlayed() const;

    // The computer's turn (computer_turn.cpp): asks the computer player for the top army's move,
    // then plays it, records and announces it, and hands the turn back to the human.
    void com_ban();
    // Asks the computer player for the top army's move under the options as they stand.
    void askComputer();
    // True while the computer's own move is being chosen on the worker thread.
    bool computerThinking() const;
    // Ends the computer's search, the turn's or the hint's, at once: its answer is never heard.
    void stopComputer() override;
    void thinking() override;
    void moveChosen(const MoveAnswer& answer) override;

    // Mouse input (mouse_input.cpp): one press on a board square or on a hand-stand cell. A
    // top-stand press gives its display row (view::topStandCell turns it into the stand's cell).
    void pressBoardSquare(int button, int c, int r);
    void pressStand(SelectionFrom stand, int row);
    // True when the piece belongs to the side to move.
    bool ownsPiece(rules::PieceCode piece) const;
    // True when presses on cell k of the stand in column standX are taken: with Chinese drops
    // off some stands are only shown.
    bool standCellOpen(int standX, int k) const override;

    // A human move (human_move.cpp): the selected piece goes to (toX, toY) as movePiece.
    void makeHumanMove();
    // Redraws what a move touched: the squares it left and reached, and the stands it changed.
    void drawMove(int fromX, int fromY, int toX, int toY, const rules::MoveEffect& effect);

    // A new game starts with nothing held and no selection outline on the board or the stands,
    // and without the header lines a read record printed (game_start.cpp).
    void clearSelection();
    void eraseRecordHeaders();

    // Turns (turns.cpp).
    void resumeAtClick();
    // A game is not played on where a king was taken: true when the position shown lacks one,
    // after the end was announced as the capture announced it (the winner, then 続けますか？).
    bool announceTakenKing();
    void handOverAfterHumanMove(rules::PieceCode captured);
    // The hand-over of a game against the computer once the human has moved.
    void handOverToComputer(rules::PieceCode captured);

    // The move list (record_commands.cpp). 手順保存 writes the board and hands into entry
    // currentMove and makes it the last; it refuses (false) an entry past the end of the list.
    bool 手順保存(double bottomBefore, double bottomAfter, double topBefore, double topAfter);
    // True when the list has no entry left for one more move.
    bool recordFull() const;
    // The stop of a game whose list has no room for another move: the clocks stop, the message
    // says why, and nothing is held. Stepping back with 戻 makes room to resume.
    void refuseFullRecord();
    // Puts entry n's board and hands back on the position.
    void restoreEntry(int n);
    // Shows entry n stepped onto: its position, the clocks it was recorded with (those its row in
    // the move list shows), both stands, the board and the last move of each army.
    void showEntry(int n);

    // Tells the record's listener of a change (record_view.cpp).
    void recordChanged() override;
    // On the position before a move the review marked, that position's better move stands
    // outlined; anywhere else none does (review_menu.cpp).
    void followBetterMove();

    // What the game finishes after an option (options.cpp).
    void hideFilePanel() override;
    void elapsedTimeSwitched() override;
    void chineseDropsSwitched() override;
    void pieceSetChanged() override;

    // The mover's time ran out: the game ends as a taken king ends it, the winner named under
    // "時間切れ", then 続けますか？ (game_start.cpp).
    void flagFell();
    // A game starts or goes on: the clocks take the time control and are shown.
    void startClocks();
    // A game begins at the start of the record: the record is a new one (game_start.cpp).
    void beginNewRecord();

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
    HandicapButtons handicap_;
    // The last move of each army beside the board.
    MoveResultDisplay lastMoves_{screen_, position_, moves_, options_};
    bool shutDown_ = false;
    RecordListener* recordListener_ = nullptr;
    platform::Clipboard* clipboard_ = nullptr;
    // The review's better move on the board.
    MoveOutline betterMove_{screen_, canvas_};
    // Last: its workers are stopped before anything they report to goes.
    Review review_;
};

}  // namespace flow
