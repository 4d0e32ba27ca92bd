// A game between two humans driven by presses on the window, as a player makes them.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "record/position_notation.h"
#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"
#include "view/palette.h"

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
    const flow::ClockTimes& clocks() { return rig.game->clocks().times(); }
    view::Screen& screen() { return rig.game->screen(); }

    // Switches Chinese drops on (the top army's stand is used only then).
    void dropsOn() {
        if (!rig.game->options().chineseDrops) rig.game->optionMenu().CHESS_MOCHIKOMA_Click();
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

    // In the position editor, sets up what a notation writes (the shogi army at the bottom) by
    // presses as a player makes them: the board, the hands with drops on, the army to move.
    void setUp(const char* notation) {
        const record::NotationRead read = record::readNotation(notation);
        ASSERT_TRUE(read.ok()) << notation;
        const rules::Position& want = read.value.position;
        game().positionEditing().editClear();
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const rules::PieceCode there = pos().board(x, y), wanted = want.board(x, y);
                // The same piece pressed again takes it off.
                if (there != rules::空 && there != wanted) placeFromPalette(there, x, y);
                if (wanted != rules::空 && there != wanted) placeFromPalette(wanted, x, y);
            }
        }
        for (int k = 1; k <= rules::kHandSize; ++k) {
            for (int i = 0; i < want.ownHand[k]; ++i)
                placeFromPalette(rules::kHandKind[k], rules::kBottomHandX, k);
            for (int i = 0; i < want.enemyHand[k]; ++i)
                placeFromPalette(rules::kHandKind[k], rules::kTopHandX, view::topStandRow(k));
        }
        if (game().positionEditing().editor().sideToMove() != read.value.sideToMove)
            game().positionEditing().editSideToMove();
    }
    // Takes `code` from the palette, presses cell (c, r) with it and lets it go.
    void placeFromPalette(rules::PieceCode code, int c, int r) {
        int slot = 0;
        while (slot < view::kPaletteSlots && view::paletteCode(slot) != code) ++slot;
        ASSERT_LT(slot, view::kPaletteSlots) << code;
        press(view::paletteColumn(slot), view::paletteRow(slot));
        press(c, r);
        press(view::paletteColumn(slot), view::paletteRow(slot));
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
    // What the game's canvas (or another) shows between two grid corners.
    QImage area(double c1, double r1, double c2, double r2,
                const platform::Canvas* canvas = nullptr) {
        const int x = platform::Canvas::toPixel(screen().x(c1));
        const int y = platform::Canvas::toPixel(screen().y(r1));
        return (canvas ? *canvas : rig.canvas)
            .image()
            .copy(x, y, platform::Canvas::toPixel(screen().x(c2)) - x,
                  platform::Canvas::toPixel(screen().y(r2)) - y);
    }
    // Each army's clock and last move, as the player sees them beside the board.
    struct Beside {
        QImage topClock, bottomClock, topMove, bottomMove;
        bool operator==(const Beside&) const = default;
    };
    Beside beside() {
        return {area(-2, 10, 1, 11), area(13, 10, 16, 11), area(1, -1, 4, 0), area(13, 2, 17, 3)};
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
