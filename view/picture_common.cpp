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
