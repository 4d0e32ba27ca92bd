// One game program for the soak: the real controller over the offscreen canvas, message boxes
// that answer themselves, a settable day clock, a timer whose ticks the soak delivers, the
// recording sound library, a window frame and the file panel over a folder of its own.
#pragma once

#include <cstdint>
#include <memory>

#include "flow/game.h"
#include "platform/canvas.h"
#include "soak/auto_dialogs.h"
#include "soak/random.h"
#include "support/gui/fake_clock.h"
#include "support/gui/fake_file_panel.h"
#include "support/gui/fake_frame.h"
#include "support/gui/fake_sound_library.h"
#include "support/gui/game_rig.h"

namespace soak {

struct SoakRig {
    // `answers` seeds the stream the message boxes answer from.
    explicit SoakRig(std::uint64_t answers);

    testsupport::TempFolder folder;
    Random answerStream;
    platform::Canvas canvas;
    AutoDialogs dialogs;
    testsupport::FakeDayClock clock;
    testsupport::ManualTimer timer;
    testsupport::FakeSoundLibrary sound;
    testsupport::FakeFrame frame;
    testsupport::FakeFilePanel panel;
    std::unique_ptr<flow::Game> game;

    // Leaves a settings file for the start-up to read: most often five lines of random check
    // marks, now and then a short or garbled file, or none at all.
    void leaveSettingsFile(Random& random);
};

// The side the next press finds to move: the position's sides read off its kings and the
// record's current entry, as a press works them out. `position` receives the position with
// those sides.
rules::SideId sideForNextPress(const flow::Game& game, rules::Position& position);

}  // namespace soak
