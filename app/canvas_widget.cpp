#include "app/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace app {

CanvasWidget::CanvasWidget(const platform::Canvas& canvas, PressHandler press, QWidget* parent)
    : QWidget(parent), canvas_(canvas), press_(std::move(press)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Beyond the buffer the window shows its own background colour.
    p.fillRect(rect(), platform::Canvas::paletteColour(2));
    p.drawImage(0, 0, canvas_.image());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            return;
    }
    const QPointF at = event->position();
    if (press_)
        press_(button, at.x() * platform::kTwipsPerPixel, at.y() * platform::kTwipsPerPixel);
}

}  // namespace app
