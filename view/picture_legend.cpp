#include <QPainter>

#include "view/legend.h"

namespace view {

QImage paintLegendDiagram(const LegendDiagram& d, int k) {
    QImage img(kDiagramSizePx * k, kDiagramSizePx * k, QImage::Format_RGB32);
    img.fill(QColor(236, 206, 146));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    constexpr double c = kDiagramCellPx;
    auto cell = [](int x, int y) { return QRectF((x - 1) * c, (y - 1) * c, c, c); };

    // The top army's palace: columns 4..6 of its three rows.
    if (d.palace) p.fillRect(QRectF(3 * c, 0, 3 * c, 3 * c), QColor(214, 172, 104));

    p.setPen(QPen(QColor(120, 84, 36), 1.0 / k));
    for (int i = 0; i <= 9; ++i) {
        const double at = i * c + 0.5;
        p.drawLine(QPointF(at, 0.5), QPointF(at, 9 * c + 0.5));
        p.drawLine(QPointF(0.5, at), QPointF(9 * c + 0.5, at));
    }

    p.setPen(Qt::NoPen);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const QRectF r = cell(x, y).translated(0.5, 0.5);
            const QPointF centre = r.center();
            const rules::PieceCode piece = d.position.board(x, y);
            if (d.mover[x][y]) {
                // The kind itself in its army's shape: a disc, or a pentagon pointing the way
                // the bottom army faces.
                if (rules::isChineseKind(rules::magnitude(piece))) {
                    p.setBrush(QColor(44, 40, 38));
                    p.drawEllipse(centre, 4.2, 4.2);
                } else {
                    p.setBrush(QColor(150, 30, 20));
                    const double t = r.top() + 1, b = r.bottom() - 1;
                    const double l = r.left() + 1.5, rt = r.right() - 1.5;
                    const QPointF shape[] = {
                        {centre.x(), t}, {rt - 0.6, t + 2.2}, {rt, b}, {l, b}, {l + 0.6, t + 2.2}};
                    p.drawPolygon(shape, 5);
                }
            } else if (piece != rules::空) {
                // Another piece: grey, dark for the kind's own army.
                p.setBrush(rules::isTop(piece) ? QColor(110, 110, 110) : QColor(190, 190, 190));
                p.drawEllipse(centre, 3.6, 3.6);
            }
            if (d.reach[x][y]) {
                p.setBrush(piece != rules::空 ? QColor(210, 0, 0) : QColor(20, 120, 40));
                p.drawEllipse(centre, 2.2, 2.2);
            }
        }
    }
    return img;
}

}  // namespace view
