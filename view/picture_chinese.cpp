#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "view/layout.h"
#include "view/picture_painters.h"

namespace view::paint {

QImage chinesePiece(const QString& text, bool chineseOwned, int k, const Lettering& lettering) {
    QImage img = emptySquare(k);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QPointF centre(kPieceWidthPx / 2.0, kPieceHeightPx / 2.0);
    const double radius = 14.6;
    const QColor face = chineseOwned ? QColor(44, 40, 38) : QColor(250, 244, 226);
    const QColor rim = chineseOwned ? QColor(214, 176, 90) : QColor(176, 24, 24);
    const QColor ink = chineseOwned ? QColor(248, 238, 210) : QColor(184, 12, 12);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 10, 120));
    p.drawEllipse(centre + QPointF(1.2, 1.4), radius, radius);

    QRadialGradient body(centre - QPointF(4, 5), radius * 1.6);
    body.setColorAt(0, shade(face, chineseOwned ? 0.25 : 0.4));
    body.setColorAt(1, shade(face, chineseOwned ? -0.3 : -0.12));
    p.setBrush(body);
    p.setPen(QPen(shade(rim, -0.35), 1.0));
    p.drawEllipse(centre, radius, radius);

    // The engraved ring inside the rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, 1.1));
    p.drawEllipse(centre, radius - 2.4, radius - 2.4);

    drawCharacter(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius + 1),
                  text, kanjiFont(static_cast<int>(std::lround(lettering.px)), true), ink,
                  lettering.stroke);
    return img;
}

}  // namespace view::paint
