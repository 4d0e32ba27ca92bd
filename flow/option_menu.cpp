#include "flow/option_menu.h"

#include "flow/texts.h"
#include "flow/turn_queries.h"

namespace flow {

namespace {

// The about box, its lines joined by carriage returns.
const char* const kAboutText = KZ_TEXT("Game",
                                       "KZ ソラワ  Version 1.0    [2/2000]\r"
                                       "\r"
                                       "KZ ソラワ 制作室\r"
                                       "\r"
                                       "Home page\r"
                                       "https://kzsorawa.example.jp/\r"
                                       "\r"
                                       "e-mail\r"
                                       "kzsorawa@example.jp");
const char* const kAboutTitle = "KZ ソラワ";

}  // namespace

OptionMenu::OptionMenu(settings::Options& options, view::Screen& screen, platform::Canvas& canvas,
                       platform::Frame& frame, settings::Sounds& sounds, platform::Dialogs& dialogs,
                       std::string settingsPath, lang::Language systemLanguage,
                       std::function<void()> redrawAll, Clocks& clocks, RecordPanel& panel,
                       const GameState& state, const record::MoveList& moves, OptionFollowUp& game)
    : options_(options),
      screen_(screen),
      canvas_(canvas),
      frame_(frame),
      sounds_(sounds),
      dialogs_(dialogs),
      settingsPath_(std::move(settingsPath)),
      systemLanguage_(systemLanguage),
      redrawAll_(std::move(redrawAll)),
      clocks_(clocks),
      panel_(panel),
      state_(state),
      moves_(moves),
      game_(game) {}

void OptionMenu::backgroundClick(int code) {
    if (options_.checkedBackground != code) {
        settings::selectBackground(options_, code);
        options_.background = code;
    }
    writeSettings();
    redrawAll_();
}

void OptionMenu::SIDOU_Click() {
    if (options_.guidance) {
        // Switching guidance off wipes every mark it may have left.
        screen_.描画_将棋盤桝();
        for (int r = 1; r <= 7; ++r)
            screen_.描画_桝輪郭(settings::kOutlineColour, rules::kTopHandX, r);
        for (int r = 3; r <= 9; ++r)
            screen_.描画_桝輪郭(settings::kOutlineColour, rules::kBottomHandX, r);
        options_.guidance = false;
        options_.guidanceColour = settings::kOutlineColour;
    } else {
        options_.guidance = true;
        options_.guidanceColour = settings::kGuidanceColour;
    }
    writeSettings();
}

void OptionMenu::KEIKA_Click() {
    options_.elapsedTime = !options_.elapsedTime;
    writeSettings();
    clocks_.showElapsedTime(options_.elapsedTime, gameBeingPlayed(state_, moves_));
}

void OptionMenu::CHESS_MOCHIKOMA_Click() {
    options_.chineseDrops = !options_.chineseDrops;
    options_.applyDropsLayout(options_.chineseDrops);
    frame_.setHeightTwips(options_.windowHeight);
    if (options_.chineseDrops) frame_.moveToTop();
    writeSettings();
    redrawAll_();
    game_.chineseDropsSwitched();
}

void OptionMenu::BGM_Click() {
    if (!options_.music) {
        options_.music = true;
        sounds_.loop(settings::Sound::BGM);
    } else {
        options_.music = false;
        sounds_.stop(settings::Sound::BGM);
    }
    writeSettings();
}

void OptionMenu::TIME_CONTROL_Click(const TimeControlAsker& ask) {
    // The dialog counts against no one: the clocks wait while it is open.
    clocks_.pause();
    const std::optional<record::TimeControl> chosen = ask(options_.timeControl);
    clocks_.resume();
    if (chosen) setTimeControl(*chosen);
}

void OptionMenu::setTimeControl(const record::TimeControl& control) {
    if (!record::isValid(control)) return;
    options_.timeControl = control;
    writeSettings();
}

void OptionMenu::MOVE_LIST_Click() {
    options_.moveList = !options_.moveList;
    writeSettings();
}

lang::Language OptionMenu::language() const {
    return options_.language.value_or(systemLanguage_);
}

void OptionMenu::languageClick(lang::Language language) {
    options_.language = language;
    frame_.setLanguage(language);
    writeSettings();
    screen_.redrawLabels();
    canvas_.repaintNow();
}

void OptionMenu::pieceSetClick(platform::PieceSet set) {
    options_.pieceSet = set;
    writeSettings();
    // The board, the stands and the ranks' labels in the set.
    redrawAll_();
    game_.pieceSetChanged();
}

void OptionMenu::VER_Click() {
    panel_.hide();
    sounds_.play(settings::Sound::その他);
    dialogs_.show(translated("Game", kAboutText), kAboutTitle, platform::Buttons::Ok);
}

}  // namespace flow
