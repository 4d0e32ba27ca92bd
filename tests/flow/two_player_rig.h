// A game between two humans driven by presses on the window, as a player makes them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"

namespace testsupport {

class TwoPlayerTest : public ::testing::Test {
  protected:
    TwoPlayerTest() {
        rig.game->Form_Load();
        rig.sound.calls.clear();
    }

    flow::Game& game() { return *rig.game; }
    const rules::Position& pos() { return rig.game->position(); }
    const flow::GameState& state() { return rig.game->state(); }
    const flow::ClockTimes& clocks() { return rig.game->clockTimes(); }
    view::Screen& screen() { return rig.game->screen(); }

    // Switches Chinese drops on (the top army's stand is used only then).
    void dropsOn() {
        if (!rig.game->options().chineseDrops) rig.game->CHESS_MOCHIKOMA_Click();
    }
    void startGame(const char* announced = "先手の番です") {
        rig.dialogs.expect(announced, " ");
        rig.game->MATCH_MAN_Click();
    }

    // The middle of grid cell (c, r) in twips.
    double xOf(int c) const { return 1050 + 495.0 * c + 247; }
    double yOf(int r) const { return rig.game->options().boardTop + 615.0 * r + 307; }
    void press(int c, int r, int button = flow::kLeftButton) {
        rig.game->Form_MouseDown(button, xOf(c), yOf(r));
    }
    void move(int fc, int fr, int tc, int tr, int button = flow::kLeftButton) {
        press(fc, fr);
        press(tc, tr, button);
    }
    // Drops from cell k of the bottom army's stand, or of the top army's (shown at row 10 - k).
    void dropBottom(int k, int tc, int tr) {
        press(rules::kBottomHandX, k);
        press(tc, tr);
    }
    void dropTop(int k, int tc, int tr) {
        press(rules::kTopHandX, 10 - k);
        press(tc, tr);
    }

    // The sounds played since the last call, as the wave each one is.
    std::vector<settings::Sound> heard() {
        std::vector<settings::Sound> out;
        for (const FakeSoundLibrary::Call& c : rig.sound.calls) {
            if (c.name != "dsPlay") continue;
            out.push_back(static_cast<settings::Sound>(c.arg - FakeSoundLibrary::kFirstId));
        }
        rig.sound.calls.clear();
        return out;
    }

    // Pixels of the mark colour in the move result of each army.
    int bottomResultInk() {
        return countColour(rig.canvas, screen().x(13), screen().y(2), screen().x(17), screen().y(3),
                           flow::kMarkColour);
    }
    int topResultInk() {
        return countColour(rig.canvas, screen().x(1), screen().y(-1), screen().x(4), screen().y(0),
                           flow::kMarkColour);
    }
    bool outlined(int c, int r, int colour) {
        return outlinedIn(rig.canvas, screen().x(c), screen().y(r), colour);
    }
    bool shows(int c, int r, view::Picture p) {
        return showsPicture(rig.canvas, screen().x(c), screen().y(r), screen().pictures()[p]);
    }

    GameRig rig;
};

}  // namespace testsupport
