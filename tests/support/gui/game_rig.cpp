#include "support/gui/game_rig.h"

#include "record/cp932.h"
#include "support/gui/qt_app.h"
#include "view/layout.h"

namespace testsupport {

std::string settingsFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += record::toCp932(line).value_or(line) + "\r\n";
    return bytes;
}

GameRig::GameRig(lang::Language systemLanguage)
    : canvas(view::kCanvasWidthTwips, view::kCanvasHeightTwips), systemLanguage(systemLanguage) {
    ensureQtApplication();
    // The fake library takes any bytes, so a few stand in for each wave.
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav",
                             "BGM.wav", "clock_tick.wav", "time_up.wav"}) {
        folder.write(name, "RIFF-test");
    }
    panel.directory = panel.files = folder.path().string();
    game = makeGame();
}

std::unique_ptr<flow::Game> GameRig::makeGame(bool keepsRecovery) {
    flow::Boundaries outside{canvas, dialogs, clock, timer, sound, frame, folder.path().string(),
                             &panel};
    outside.keepsRecovery = keepsRecovery;
    outside.clipboard = &clipboard;
    outside.systemLanguage = systemLanguage;
    outside.guiThread = &gui;
    outside.reviewNodes = kReviewNodes;
    return std::make_unique<flow::Game>(outside);
}

}  // namespace testsupport
