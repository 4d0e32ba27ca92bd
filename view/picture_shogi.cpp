#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

#include "view/layout.h"
#include "view/picture_painters.h"

namespace view::paint {

QImage emptySquare(int k) {
    const QColor wood(228, 188, 112);
    return pixelPicture(kPieceWidthPx, kPieceHeightPx, k, 0, [&](const Spot& s) {
        // Straight grain running down the board, slightly wavy, with fine speckle.
        const double grain = std::sin(s.x * 0.9 + 1.6 * std::sin(s.y * 0.12 + s.x * 0.05));
        const double amount = 0.05 * grain + 0.05 * (noise(s.dx, s.dy, 1) - 0.5);
        return shade(wood, amount);
    });
}

QImage shogiPiece(const QString& text, bool promoted, double scale, bool top, int k,
                  const Lettering& lettering) {
    QImage img = emptySquare(k);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Drawn in game pixels; the resolution is only the painter's scale.
    const QTransform resolution = QTransform::fromScale(k, k);
    p.setTransform(resolution);

    // The five corners of the piece, pointing up, centred on the square.
    const double cx = kPieceWidthPx / 2.0, cy = kPieceHeightPx / 2.0;
    const double h = 36.0 * scale, halfBase = 13.6 * scale, halfShoulder = 11.2 * scale;
    const double apex = cy - h / 2, base = cy + h / 2, shoulder = apex + 0.2 * h;
    QPolygonF shape;
    shape << QPointF(cx, apex) << QPointF(cx + halfShoulder, shoulder)
          << QPointF(cx + halfBase, base) << QPointF(cx - halfBase, base)
          << QPointF(cx - halfShoulder, shoulder);

    // A top-army piece is the same piece turned half round about the square's centre.
    QTransform turn;
    if (top) turn.translate(2 * cx, 2 * cy).rotate(180);
    const QPolygonF drawn = turn.map(shape);

    // Shadow, body and edge; the light falls from the top left whichever way the piece points.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 55, 10, 120));
    p.drawPolygon(drawn.translated(1.2, 1.2));
    QLinearGradient body(drawn.boundingRect().topLeft(), drawn.boundingRect().bottomRight());
    body.setColorAt(0, QColor(252, 232, 178));
    body.setColorAt(1, QColor(222, 178, 100));
    p.setBrush(body);
    p.setPen(QPen(QColor(118, 76, 28), 1.0));
    p.drawPolygon(drawn);

    // The character, in the lower, wider part of the piece.
    p.setTransform(turn * resolution);
    const QRectF textBox(cx - halfBase, apex + 0.26 * h, 2 * halfBase,
                         base - (apex + 0.26 * h) - 1);
    drawCharacter(p, textBox, text,
                  kanjiFont(static_cast<int>(std::lround(lettering.px * scale)), true),
                  promoted ? QColor(200, 0, 0) : QColor(16, 12, 8), lettering.stroke);
    return img;
}

}  // namespace view::paint
