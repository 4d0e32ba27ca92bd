// A game controller wired to fakes: a real offscreen canvas, scripted message boxes, a settable
// clock, a manual timer, a recording sound library and a fake window frame, running in a folder
// of its own that holds a small file for each wave.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "flow/game.h"
#include "platform/canvas.h"
#include "support/fake_gui_thread.h"
#include "support/gui/fake_clipboard.h"
#include "support/gui/fake_clock.h"
#include "support/gui/fake_file_panel.h"
#include "support/gui/fake_frame.h"
#include "support/gui/fake_sound_library.h"
#include "support/gui/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace testsupport {

// The lines of a settings file as the game writes them (CP932, CR LF).
std::string settingsFileBytes(const std::vector<std::string>& lines);

struct GameRig {
    // The canvas is the size of the window's back buffer. The system names `systemLanguage`.
    explicit GameRig(lang::Language systemLanguage = lang::Language::Japanese);

    TempFolder folder;
    platform::Canvas canvas;
    ScriptedDialogs dialogs;
    FakeDayClock clock;
    ManualTimer timer;
    FakeSoundLibrary sound;
    FakeFrame frame;
    FakeFilePanel panel;  // both lists start in the rig's folder
    FakeGuiThread gui;    // the review's results wait here until delivered
    FakeClipboard clipboard;
    lang::Language systemLanguage;
    std::unique_ptr<flow::Game> game;

    // A new run of the program on the rig's folder and fakes, keeping a recovery record or not.
    std::unique_ptr<flow::Game> makeGame(bool keepsRecovery = false);

    // The buffer id the fake library gave the wave loaded in that place (その他 first).
    // The review's node budget in a rig: small, so that a record is reviewed in moments.
    static constexpr long kReviewNodes = 2000;

    static std::int32_t idOf(settings::Sound s) {
        return FakeSoundLibrary::kFirstId + static_cast<int>(s);
    }
};

}  // namespace testsupport
