// Shows the game's back buffer and turns mouse presses into twips.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace app {

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    // `press` gets the button (1 left, 2 right, 4 middle) and the position in twips.
    using PressHandler = std::function<void(int button, double xTwips, double yTwips)>;
    CanvasWidget(const platform::Canvas& canvas, PressHandler press, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const platform::Canvas& canvas_;
    PressHandler press_;
};

}  // namespace app
