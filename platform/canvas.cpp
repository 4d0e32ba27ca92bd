#include "platform/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace platform {

Canvas::Canvas(int widthTwips, int heightTwips) {
    resize(widthTwips, heightTwips);
}

void Canvas::resize(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    image_ = QImage(toPixel(widthTwips), toPixel(heightTwips), QImage::Format_RGB32);
    image_.fill(Qt::black);
}

int Canvas::toPixel(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

QColor Canvas::paletteColour(int index) {
    static const QRgb kPalette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(kPalette[index & 15]);
}

void Canvas::drawPicture(const QImage& picture, double x, double y) {
    QPainter p(&image_);
    p.drawImage(QPoint(toPixel(x), toPixel(y)), picture);
}

void Canvas::outline(int colour, double x1, double y1, double x2, double y2) {
    QPainter p(&image_);
    p.setPen(QPen(paletteColour(colour), 0));
    const int px1 = toPixel(std::min(x1, x2)), px2 = toPixel(std::max(x1, x2));
    const int py1 = toPixel(std::min(y1, y2)), py2 = toPixel(std::max(y1, y2));
    p.drawRect(px1, py1, px2 - px1, py2 - py1);
}

void Canvas::fill(int colour, double x, double y, double width, double height) {
    QPainter p(&image_);
    const int px1 = toPixel(x), py1 = toPixel(y);
    p.fillRect(px1, py1, toPixel(x + width) - px1, toPixel(y + height) - py1,
               paletteColour(colour));
}

void Canvas::setFont(double points, bool bold) {
    fontPoints_ = points;
    fontBold_ = bold;
}

void Canvas::setTextColour(int colour) {
    textColour_ = colour;
}

void Canvas::print(double x, double y, const QString& text) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    // A point is 20 twips.
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(fontPoints_ * 20 / kTwipsPerPixel))));
    font.setBold(fontBold_);
    p.setFont(font);
    p.setPen(paletteColour(textColour_));
    const QFontMetricsF metrics(font);
    p.drawText(QPointF(toPixel(x), toPixel(y) + metrics.ascent()), text);
}

void Canvas::repaintNow() {
    if (repaint_) repaint_();
}

QRgb Canvas::pixelAtTwips(double x, double y) const {
    return image_.pixel(toPixel(x), toPixel(y));
}

}  // namespace platform
