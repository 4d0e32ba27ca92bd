// Shows the game's back buffer at the window's scale and turns mouse presses into twips.
//
// The game's area (its natural size in game pixels, 15 twips each) is fitted into the widget,
// keeping its proportions, from the top-left corner; the canvas beyond it shows where there is
// room. One transform, game pixels × scale = widget pixels, places the picture and maps presses
// back, so a press lands on the square drawn under it at every size.
#pragma once

#include <QSizeF>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace app {

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    // `press` gets the button (1 left, 2 right, 4 middle) and the position in twips.
    using PressHandler = std::function<void(int button, double xTwips, double yTwips)>;
    CanvasWidget(platform::Canvas& canvas, PressHandler press, QWidget* parent = nullptr);

    // The game's area in game pixels: what the widget fits. Until set, the whole canvas.
    void setNaturalSize(const QSizeF& gamePixels);
    QSizeF naturalSize() const { return natural_; }

    // Widget pixels to a game pixel at the widget's present size.
    double scale() const;
    // The scale a widget of `size` on a screen of `devicePixelRatio` shows the game at. A scale
    // within a hair of a whole number of device pixels is taken as that number, which shows the
    // buffer pixel for pixel.
    static double fitScale(const QSizeF& natural, const QSizeF& size, double devicePixelRatio);
    // The buffer resolution for a scale: device pixels rounded up, at most the canvas's limit.
    static int resolutionFor(double scale, double devicePixelRatio);

    // Twips of a position on the widget.
    QPointF toTwips(const QPointF& widgetPosition) const;

    // Runs whenever the widget's scale may have changed.
    std::function<void(double scale)> onScaleChange;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Paints the buffer again at the resolution the present scale needs.
    void followScale();

    platform::Canvas& canvas_;
    PressHandler press_;
    QSizeF natural_;
};

}  // namespace app
