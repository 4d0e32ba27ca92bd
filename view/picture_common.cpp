#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>

#include "view/picture_painters.h"

namespace view::paint {

QFont kanjiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawCharacter(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const QColor& ink, double stroke) {
    if (stroke <= 0) {
        p.setFont(font);
        p.setPen(ink);
        p.drawText(box, Qt::AlignCenter, text);
        return;
    }
    // Centred by the glyphs' own outline, which for letters sits better than the font's box.
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(box.center() - path.boundingRect().center());
    p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

double noise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0x1000000);
}

QColor shade(const QColor& c, double amount) {
    auto mix = [amount](int v) {
        const double t = amount < 0 ? v * (1 + amount) : v + (255 - v) * amount;
        return std::clamp(static_cast<int>(t + 0.5), 0, 255);
    };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

}  // namespace view::paint
