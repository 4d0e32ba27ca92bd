// The settings file at start-up and after every change of an option, and what reading it asks
// of the window.
#include "flow/option_menu.h"

namespace flow {

// Start-up reads the settings file of the run folder; the window takes the height of the layout
// it asks for (a first run keeps the height the window was made with).
void OptionMenu::loadSettings() {
    settings::読込_環境設定ファイル(options_, *this, settingsPath_);
    frame_.setHeightTwips(options_.windowHeight);
}

void OptionMenu::applyStartLanguage() {
    options_.language = settings::readLanguage(settingsPath_);
    frame_.setLanguage(language());
}

void OptionMenu::writeSettings() {
    settings::writeSettingsFile(options_, settingsPath_);
}

void OptionMenu::描画_背景(int pictureCode) {
    screen_.描画_背景(pictureCode);
}

void OptionMenu::画面_再描画() {
    redrawAll_();
}

void OptionMenu::startMusic() {
    sounds_.loop(settings::Sound::BGM);
}

}  // namespace flow
