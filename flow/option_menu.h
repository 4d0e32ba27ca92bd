// The ｵﾌﾟｼｮﾝ menu and its settings: the background, guidance, elapsed time, Chinese drops, music
// and move-list marks, the language, the about box, and the settings file that keeps them. It
// also carries out what reading the settings file asks for.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "platform/translation.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/sounds.h"
#include "view/screen.h"

namespace flow {

class OptionMenu : public settings::SettingsEffects {
  public:
    // `redrawAll` repaints the whole window (the game's 画面_再描画).
    OptionMenu(settings::Options& options, view::Screen& screen, platform::Canvas& canvas,
               platform::Frame& frame, settings::Sounds& sounds, platform::Dialogs& dialogs,
               std::string settingsPath, lang::Language systemLanguage,
               std::function<void()> redrawAll);

    // The options with something to show or hear are the game's to finish: 経過時間 (the
    // clocks) and 中国駒持駒 (a held piece on a stand that closes).
    void backgroundClick(int code);
    void SIDOU_Click();
    void KEIKA_Click();
    void CHESS_MOCHIKOMA_Click();
    void BGM_Click();
    void MOVE_LIST_Click();
    // A time control that cannot be played is refused.
    void setTimeControl(const record::TimeControl& control);
    void VER_Click();
    // The texts change at once, and the choice is kept.
    void languageClick(lang::Language language);
    // The computer's level picked in COM対局ﾚﾍﾞﾙ is kept for the next start.
    void keepLevel(int level);
    // The language the texts are shown in: the one picked, else the system's.
    lang::Language language() const;
    // The pieces drawn and named in the set at once, and the choice kept.
    void pieceSetClick(platform::PieceSet set);

    // Start-up (settings_wiring.cpp): the texts in the language of the settings file, or else
    // the system's; then the rest of the settings file.
    void applyStartLanguage();
    void loadSettings();

  private:
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
};

}  // namespace flow
