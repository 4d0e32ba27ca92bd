// Everything painted on the window: pictures, background, board, outlines, hand stands, labels
// and numbers. Positions are board units (column, row); the canvas takes twips.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/pictures.h"

namespace view {

class Screen {
  public:
    Screen(platform::Canvas& canvas, platform::DayClock& clock, const rules::Position& position,
           const settings::Options& options);

    // Window position in twips of a board unit.
    double x(double column) const;
    double y(double row) const;

    // Pictures and the board (screen_pictures.cpp, screen_board.cpp).
    void 描画_絵(int code, double column, double row);
    void 描画_絵駒(rules::PieceCode code, double column, double row);
    void 描画_絵_中国将棋駒(rules::PieceCode code, double column, double row);
    void 描画_背景(int code);
    void 描画_盤();
    void 描画_桝輪郭(int colour, double column, double row);
    void 描画_四角形(int colour, double column, double row, double widthTwips, double heightTwips);
    void 描画_将棋盤桝();
    // Move guidance: wipes the old marks, then (with 移動指導 on) outlines in `colour` every
    // square the piece standing at, or dropped from, (fromColumn, fromRow) may go to.
    void 描画_移動可能桝色(int fromColumn, int fromRow, int colour, rules::PieceCode piece);
    void 描画_駒点滅(rules::PieceCode code, double column, double row, int count);

    // Numbers and texts (screen_text.cpp). Mode 0 prints the value as it is (a non-negative
    // number after one blank); any other mode prints 1..9 as one kanji numeral.
    void 描画_数値(double column, double row, int value, int colour, int mode, double size);
    void 描画_数値(double column, double row, const std::string& text, int colour, double size);
    void 描画_文字列(double column, double row, int id, int colour, double size);
    void 描画_桝_数値();
    void 描画_手数(int n);
    void 描画_レベル(int level);
    // Paints the background over the level display, and nothing beside it (the top army's
    // last move is written just right of it when drops are off).
    void eraseLevel();
    void 描画_ハンデレベル(int grade);
    // Draws the worded labels on screen (the move number, the handicap grade) again, in the
    // language now in use.
    void redrawLabels();

    // The three header lines of a game record (game name, top army's player, bottom army's
    // player) where the layout in use has room for them: above the board and below it, each
    // centred on the board and cut short with "…" where it would run past the board's width
    // (screen_headers.cpp). Empty lines print nothing.
    void printHeaderLines(const std::array<std::string, 3>& lines);
    // Paints the background again wherever header lines were printed.
    void eraseHeaderLines();

    // Hand stands (screen_stands.cpp).
    void 描画_自持盤();
    void 描画_敵持盤();

    // The position editor (screen_palette.cpp): the palette, the slot held outlined (-1: none),
    // and the caption under the board naming edit mode and the army to move first.
    void drawPalette(int heldSlot);
    void drawEditCaption(rules::SideId sideToMove);

    platform::Canvas& canvas() { return canvas_; }
    const Pictures& pictures() const { return pictures_; }

  private:
    // The side id of the army at the bottom, judged from the kings on the board as the
    // start-of-game check does, without touching the position.
    rules::SideId bottomArmy() const;
    void print(double column, double row, const std::string& text, int colour, double size,
               double extraTwipsY = 0);

    platform::Canvas& canvas_;
    platform::DayClock& clock_;
    const rules::Position& position_;
    const settings::Options& options_;
    Pictures pictures_;
    bool bold_ = false;  // the labels turn bold print on for good
    // The worded labels on screen since the background was last painted.
    std::optional<int> shownMoveCount_;
    std::optional<int> shownGrade_;
    // The rows of cells the header lines printed since they were last erased touch.
    std::vector<int> headerRows_;
};

// The text 描画_文字列 prints for id (a handicap grade's label, …); empty for an unknown id.
std::string stringText(int id);

}  // namespace view
