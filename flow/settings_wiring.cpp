#include "flow/game.h"
#include "settings/settings_file.h"

namespace flow {

// Start-up reads the settings file of the run folder; the window takes the height of the layout
// it asks for (a first run keeps the height the window was made with).
void Game::loadSettings() {
    settings::読込_環境設定ファイル(options_, *this, settingsPath_);
    frame_.setHeightTwips(options_.windowHeight);
}

void Game::applyStartLanguage() {
    options_.language = settings::readLanguage(settingsPath_);
    frame_.setLanguage(language());
}

void Game::writeSettings() {
    settings::writeSettingsFile(options_, settingsPath_);
}

void Game::描画_背景(int pictureCode) {
    screen_.描画_背景(pictureCode);
}

void Game::startMusic() {
    sounds_.loop(settings::Sound::BGM);
}

}  // namespace flow
