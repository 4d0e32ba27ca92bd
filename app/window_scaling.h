// How the main window scales: widget pixels to a game pixel (15 twips). The window opens at the
// largest quarter step that fits the screen (at least 1) and then follows the player's resizing;
// the menus follow the scale in quarter steps from 1 to 4, moved only by a clear change, so that
// the menu bar's own change of height cannot set the steps swinging.
#pragma once

#include <QFont>
#include <QRect>
#include <QSizeF>
#include <optional>

namespace app {

class WindowScaling {
  public:
    // The scale the window opens at on a screen whose free area is `free`, for a window of
    // `natural` game pixels (the move list and the menu bar counted in).
    static double initialScale(const QRect& free, QSizeF natural);
    // The largest scale at which a game's area of `natural` game pixels and the move list beside
    // it (`listPx` game pixels wide) fit `room` widget pixels.
    static double fitScale(QSizeF room, QSizeF natural, double listPx);
    // `base` at a menu step.
    static QFont scaledFont(const QFont& base, double step);

    double scale() const { return scale_; }
    // Takes the canvas's scale `s` when it is a real change for an area of `natural` game
    // pixels: a window sized in whole pixels fits the area a fraction of a pixel off its scale.
    // Tells whether it was taken.
    bool follow(double s, QSizeF natural);
    void setScale(double s) { scale_ = s; }
    // The menus' new step when the present scale asks for one.
    std::optional<double> nextMenuStep();
    // The step the menus (and the window's boxes) are at.
    double menuStep() const { return menuStep_; }

  private:
    double scale_ = 1;
    double menuStep_ = 1;
};

}  // namespace app
