// The ｵﾌﾟｼｮﾝ menu and its settings: the background, guidance, elapsed time, Chinese drops, music
// and move-list marks, the time control, the language, the piece set, the about box, and the
// settings file that keeps them. It also carries out what reading the settings file asks for.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "flow/clocks.h"
#include "flow/game_state.h"
#include "flow/record_panel.h"

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "platform/translation.h"
#include "record/move_list.h"
#include "record/time_control.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

// What the game itself finishes after an option that changes more than the options and the
// screen.
class OptionFollowUp {
  public:
    // 中国側持駒OK switched: a piece held on a stand that has just closed is let go.
    virtual void chineseDropsSwitched() = 0;
    // The piece set changed: the last moves beside the board and the move list named again.
    virtual void pieceSetChanged() = 0;

  protected:
    ~OptionFollowUp() = default;
};

class OptionMenu : public settings::SettingsEffects {
  public:
    // `redrawAll` repaints the whole window (the game's 画面_再描画). Opening ｵﾌﾟｼｮﾝ and その他
    // put the file panel away; 経過時間 shows or hides the clocks, running while a game is played.
    OptionMenu(settings::Options& options, view::Screen& screen, platform::Canvas& canvas,
               platform::Frame& frame, settings::Sounds& sounds, platform::Dialogs& dialogs,
               std::string settingsPath, lang::Language systemLanguage,
               std::function<void()> redrawAll, Clocks& clocks, RecordPanel& panel,
               const GameState& state, const record::MoveList& moves, OptionFollowUp& game);

    // ｵﾌﾟｼｮﾝ menu: the background, guidance, elapsed time, Chinese drops, music, the move list
    // and the about box (the entries that pick one of several choices are in options.cpp).
    void OPTION_Click();
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void KEIKA_Click();
    void CHESS_MOCHIKOMA_Click();
    void BGM_Click();
    void MOVE_LIST_Click();
    void VER_Click();
    // 持ち時間…: `ask` shows the window's dialog with the control chosen so far and gives the
    // one the player takes (for the games to come; a game in progress keeps its own), or nothing.
    // As for a message box, the time the dialog is open is no one's.
    using TimeControlAsker =
        std::function<std::optional<record::TimeControl>(const record::TimeControl& current)>;
    void TIME_CONTROL_Click(const TimeControlAsker& ask);
    // The control the games to come are played to. A time control that cannot be played is
    // refused.
    void setTimeControl(const record::TimeControl& control);
    // 言語 / Language: the texts change at once, and the choice is kept.
    void JAPANESE_Click();
    void ENGLISH_Click();
    // 駒の種類 / Pieces: the pieces and every move named beside the board change to the set at
    // once, and the choice is kept.
    void KANJI_PIECES_Click();
    void INTERNATIONAL_PIECES_Click();
    // The computer's level picked in COM対局ﾚﾍﾞﾙ is kept for the next start.
    void keepLevel(int level);
    // The language the texts are shown in: the one picked, else the system's.
    lang::Language language() const;

    // Start-up (settings_wiring.cpp): the texts in the language of the settings file, or else
    // the system's; then the rest of the settings file.
    void applyStartLanguage();
    void loadSettings();

  private:
    void backgroundClick(int code);
    void languageClick(lang::Language language);
    void pieceSetClick(platform::PieceSet set);
    void writeSettings();
    void 描画_背景(int pictureCode) override;
    void 画面_再描画() override;
    void startMusic() override;

    settings::Options& options_;
    view::Screen& screen_;
    platform::Canvas& canvas_;
    platform::Frame& frame_;
    settings::Sounds& sounds_;
    platform::Dialogs& dialogs_;
    std::string settingsPath_;
    lang::Language systemLanguage_;
    std::function<void()> redrawAll_;
    Clocks& clocks_;
    RecordPanel& panel_;
    const GameState& state_;
    const record::MoveList& moves_;
    OptionFollowUp& game_;
};

}  // namespace flow
