#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "view/layout.h"
#include "view/picture_painters.h"

namespace view::paint {

QImage titlePlate(int k) {
    QImage img(kTitleWidthPx * k, kTitleHeightPx * k, QImage::Format_RGB32);
    QPainter p(&img);
    p.scale(k, k);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A lacquered plate with a gold edge.
    QLinearGradient lacquer(0, 0, 0, kTitleHeightPx);
    lacquer.setColorAt(0, QColor(150, 28, 24));
    lacquer.setColorAt(1, QColor(70, 8, 8));
    p.fillRect(QRectF(0, 0, kTitleWidthPx, kTitleHeightPx), lacquer);
    p.setPen(QPen(QColor(226, 184, 80), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kTitleWidthPx - 2, kTitleHeightPx - 2));
    p.setPen(QPen(QColor(120, 84, 20), 1));
    p.drawRect(QRectF(3.5, 3.5, kTitleWidthPx - 7, kTitleHeightPx - 7));

    // The two armies at either end: a shogi piece and a round Chinese piece.
    QPolygonF piece;
    piece << QPointF(16, 9) << QPointF(22, 12) << QPointF(24, 30) << QPointF(8, 30)
          << QPointF(10, 12);
    p.setPen(QPen(QColor(110, 70, 20), 1));
    p.setBrush(QColor(240, 210, 140));
    p.drawPolygon(piece);
    p.setBrush(QColor(40, 36, 34));
    p.setPen(QPen(QColor(214, 176, 90), 1.2));
    p.drawEllipse(QPointF(kTitleWidthPx - 16.5, 19.5), 9, 9);

    // The name, in gold with a dark edge.
    QPainterPath name;
    const QFont font = kanjiFont(22, true);
    const QString text = QStringLiteral("KZ ソラワ");
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    name.addText(
        QPointF((kTitleWidthPx - width) / 2, 19.5 + (metrics.ascent() - metrics.descent()) / 2),
        font, text);
    QLinearGradient gold(0, 8, 0, 31);
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(232, 190, 70));
    gold.setColorAt(1, QColor(170, 120, 30));
    p.setPen(QPen(QColor(40, 10, 0), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);
    return img;
}

}  // namespace view::paint
