#include "platform/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

QFont textFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

// Text of this many device pixels and more Qt paints as outlines rather than from its glyph cache.
constexpr int kOutlinedTextPixels = 64;
// The share of the text's size a synthetic bold adds to the width of its strokes: as much ink as
// the cached glyphs' own bold.
constexpr double kBoldShare = 1.0 / 18;

// The text height in game pixels of a font size in points; a point is 20 twips.
int textPixels(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 20 / kTwipsPerPixel)));
}

}  // namespace

Canvas::Canvas(int widthTwips, int heightTwips) : list_(QRect()) {
    resize(widthTwips, heightTwips);
}

void Canvas::resize(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    image_ = QImage(gameSize() * resolution_, QImage::Format_RGB32);
    image_.fill(Qt::black);
    list_.clear(QRect(QPoint(0, 0), gameSize()));
}

void Canvas::setResolution(int k) {
    k = std::clamp(k, 1, kMaxResolution);
    if (k == resolution_) return;
    resolution_ = k;
    image_ = QImage(gameSize() * k, QImage::Format_RGB32);
    image_.fill(Qt::black);
    for (const DrawOp& op : list_.ops()) paint(op);
}

int Canvas::toPixel(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

QColor Canvas::paletteColour(int index) {
    static const QRgb kPalette[palette::kCount] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
    return QColor(kPalette[index & (palette::kCount - 1)]);
}

void Canvas::drawPicture(const std::shared_ptr<const ScalablePicture>& picture, double x,
                         double y) {
    if (!picture) return;
    DrawOp op;
    op.kind = DrawOp::Kind::Picture;
    op.picture = picture;
    op.at = QPoint(toPixel(x), toPixel(y));
    op.bounds = QRect(op.at, picture->size());
    draw(std::move(op));
}

void Canvas::drawPicture(const QImage& bitmap, double x, double y) {
    drawPicture(ScalablePicture::fromBitmap(bitmap), x, y);
}

void Canvas::outline(int colour, double x1, double y1, double x2, double y2) {
    DrawOp op;
    op.kind = DrawOp::Kind::Outline;
    op.colour = paletteColour(colour);
    op.bounds = QRect(QPoint(toPixel(std::min(x1, x2)), toPixel(std::min(y1, y2))),
                      QPoint(toPixel(std::max(x1, x2)), toPixel(std::max(y1, y2))));
    draw(std::move(op));
}

void Canvas::fill(int colour, double x, double y, double width, double height) {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.colour = paletteColour(colour);
    const int px1 = toPixel(x), py1 = toPixel(y);
    op.bounds = QRect(px1, py1, toPixel(x + width) - px1, toPixel(y + height) - py1).normalized();
    if (op.bounds.isEmpty()) return;
    draw(std::move(op));
}

void Canvas::setFont(double points, bool bold) {
    fontPoints_ = points;
    fontBold_ = bold;
}

void Canvas::setTextColour(int colour) {
    textColour_ = colour;
}

void Canvas::print(double x, double y, const QString& text) {
    if (text.isEmpty()) return;
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.colour = paletteColour(textColour_);
    op.text = text;
    op.pixelSize = textPixels(fontPoints_);
    op.bold = fontBold_;
    op.at = QPoint(toPixel(x), toPixel(y));
    // The line's box and the ink's, with room for the smoothed edges at any resolution.
    const QFontMetricsF metrics(textFont(op.pixelSize, op.bold));
    const QRectF line(op.at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    const QRectF ink =
        metrics.boundingRect(text).translated(op.at.x(), op.at.y() + metrics.ascent());
    op.bounds = (line | ink).toAlignedRect().adjusted(-2, -2, 2, 2);
    draw(std::move(op));
}

double Canvas::textWidth(const QString& text) const {
    const QFontMetricsF metrics(textFont(textPixels(fontPoints_), fontBold_));
    return metrics.horizontalAdvance(text) * kTwipsPerPixel;
}

QString Canvas::elided(const QString& text, double widthTwips) const {
    const QFontMetricsF metrics(textFont(textPixels(fontPoints_), fontBold_));
    return metrics.elidedText(text, Qt::ElideRight, widthTwips / kTwipsPerPixel);
}

void Canvas::draw(DrawOp op) {
    paint(op);
    list_.add(std::move(op));
}

void Canvas::paint(const DrawOp& op) {
    const int k = resolution_;
    QPainter p(&image_);
    switch (op.kind) {
        case DrawOp::Kind::Picture:
            p.drawImage(op.at * k, op.picture->at(k));
            break;
        case DrawOp::Kind::Fill:
            p.fillRect(QRect(op.bounds.topLeft() * k, op.bounds.size() * k), op.colour);
            break;
        case DrawOp::Kind::Outline: {
            // Each side is one game pixel thick.
            const QRect b = op.bounds;
            const int w = b.width() * k, h = b.height() * k;
            p.fillRect(b.left() * k, b.top() * k, w, k, op.colour);
            p.fillRect(b.left() * k, b.bottom() * k, w, k, op.colour);
            p.fillRect(b.left() * k, b.top() * k, k, h, op.colour);
            p.fillRect(b.right() * k, b.top() * k, k, h, op.colour);
            break;
        }
        case DrawOp::Kind::Text: {
            const int size = op.pixelSize * k;
            const QFont font = textFont(size, op.bold);
            const QFontMetricsF metrics(font);
            const QPointF baseline(op.at.x() * k, op.at.y() * k + metrics.ascent());
            if (op.bold && size >= kOutlinedTextPixels) {
                // Glyphs this large are painted as outlines, which leave out the bold that the
                // font (it has no bold face) gets at smaller sizes: the outline of the plain face
                // is thickened by the same share of its size instead.
                QPainterPath path;
                path.addText(baseline, textFont(size, false), op.text);
                p.setRenderHint(QPainter::Antialiasing);
                p.fillPath(path, op.colour);
                p.strokePath(path, QPen(op.colour, size * kBoldShare, Qt::SolidLine, Qt::RoundCap,
                                        Qt::RoundJoin));
                break;
            }
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setFont(font);
            p.setPen(op.colour);
            p.drawText(baseline, op.text);
            break;
        }
    }
}

void Canvas::repaintNow() {
    if (repaint_) repaint_();
}

QRgb Canvas::pixelAtTwips(double x, double y) const {
    return image_.pixel(toPixel(x) * resolution_, toPixel(y) * resolution_);
}

}  // namespace platform
