#include "app/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "flow/game_state.h"
#include "view/layout.h"

namespace app {

namespace {

// The background is laid in tiles as far as column 28; the tiles repeat every square width.
constexpr int kLastTileColumn = 28;

// A window can always be made this small; below it the game is not shrunk further.
constexpr double kSmallestScale = 0.25;
// How near a whole number of device pixels a scale must be to show the buffer 1:1: a little
// above it (the game's area then leaves a sliver of the widget) or a hair below it (the game's
// area loses no more than a few pixels at its far edges, where only background lies).
constexpr double kSnapDown = 0.03;
constexpr double kSnapUp = 0.01;

}  // namespace

CanvasWidget::CanvasWidget(platform::Canvas& canvas, PressHandler press, QWidget* parent)
    : QWidget(parent), canvas_(canvas), press_(std::move(press)), natural_(canvas.gameSize()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::setNaturalSize(const QSizeF& gamePixels) {
    if (gamePixels == natural_) return;
    natural_ = gamePixels;
    followScale();
    update();
}

double CanvasWidget::fitScale(const QSizeF& natural, const QSizeF& size, double devicePixelRatio) {
    if (natural.isEmpty()) return 1;
    double s = std::min(size.width() / natural.width(), size.height() / natural.height());
    s = std::max(s, kSmallestScale);
    const double device = s * devicePixelRatio;
    const double whole = std::round(device);
    if (whole >= 1 && device - whole < kSnapDown && whole - device < kSnapUp)
        s = whole / devicePixelRatio;
    return s;
}

int CanvasWidget::resolutionFor(double scale, double devicePixelRatio) {
    // A tiny allowance keeps an exact whole scale from rounding up to the next resolution.
    const int k = static_cast<int>(std::ceil(scale * devicePixelRatio - 1e-6));
    return std::clamp(k, 1, platform::Canvas::kMaxResolution);
}

double CanvasWidget::scale() const {
    return fitScale(natural_, size(), devicePixelRatioF());
}

QPointF CanvasWidget::toTwips(const QPointF& widgetPosition) const {
    return widgetPosition / scale() * platform::kTwipsPerPixel;
}

void CanvasWidget::followScale() {
    const double s = scale();
    canvas_.setResolution(resolutionFor(s, devicePixelRatioF()));
    if (onScaleChange) onScaleChange(s);
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
    followScale();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Beyond the buffer the window shows its own background colour.
    p.fillRect(rect(), platform::Canvas::paletteColour(flow::kWindowColour));
    const double s = scale();
    // On a screen of another pixel ratio the buffer is painted again for it.
    const int k = resolutionFor(s, devicePixelRatioF());
    canvas_.setResolution(k);
    const QImage& buffer = canvas_.image();
    // Whole device pixels of the buffer to one on the screen need no smoothing.
    const bool exact = std::abs(s * devicePixelRatioF() - k) < 1e-6;
    p.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(canvas_.gameSize()) * s), buffer);

    // A window wider than the background goes on with it: the last whole tile's strip repeats
    // to the right edge. Each copy takes one game pixel more, the seam column the tiles share,
    // so that no gap opens between copies at a fractional scale.
    const int end = platform::Canvas::toPixel(view::twipsX(kLastTileColumn));
    const int period = platform::Canvas::toPixel(view::kSquareWidth);
    const int start = end - period;
    if (start < 0 || end >= canvas_.gameSize().width()) return;
    const QRect strip(start * k, 0, (period + 1) * k, buffer.height());
    for (double x = end; x * s < width(); x += period) {
        p.drawImage(QRectF(x * s, 0, (period + 1) * s, canvas_.gameSize().height() * s), buffer,
                    strip);
    }
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
    const QPointF at = toTwips(event->position());
    if (press_) press_(button, at.x(), at.y());
}

}  // namespace app
