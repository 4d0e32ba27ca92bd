#include <cmath>
#include <numbers>

#include "view/layout.h"
#include "view/picture_painters.h"

namespace view::paint {

namespace {

constexpr double kPi = std::numbers::pi;
// Tiles are laid every 33 pixels across and 41 down: patterns repeat on those periods so that
// the extra pixel column of a tile matches the first column of its neighbour.
constexpr int kPeriodX = kPieceWidthPx;
constexpr int kPeriodY = kTileHeightPx;

template <typename F>
QImage tileOf(int k, F colourAt) {
    return pixelPicture(kTileWidthPx, kTileHeightPx, k, kPeriodX, colourAt);
}

double wave(double x, double period) {
    return std::sin(2 * kPi * x / period);
}

}  // namespace

QImage feltTile(int k) {
    const QColor felt(22, 110, 48);
    return tileOf(k, [&](const Spot& s) {
        // Fine fibres over a soft mottle.
        const double mottle = 0.06 * wave(s.x, kPeriodX) * wave(s.y + 7, kPeriodY) +
                              0.04 * wave(s.x + 2 * s.y, kPeriodX);
        const double fibre =
            0.16 * (noise(s.dx, s.dy, 11) - 0.5) + 0.08 * (noise(s.dx / 2, s.dy, 12) - 0.5);
        return shade(felt, mottle + fibre);
    });
}

QImage tatamiTile(int k) {
    const QColor rush(190, 184, 110);
    constexpr int kStalks = 14;  // rush stalks lying across one tile
    return tileOf(k, [&](const Spot& s) {
        const int x = s.gx;
        const double pos = std::max(0.0, s.y) * kStalks / kPeriodY;
        const int stalk = static_cast<int>(pos);
        const double across = pos - stalk;
        // Each stalk is rounded; the warp threads every 11 pixels push alternate stalks up and
        // down, which gives the weave its checker.
        double amount = 0.18 * std::sin(kPi * across) - 0.12;
        amount += ((x / 11 + stalk) % 2 == 0) ? 0.05 : -0.04;
        if (x % 11 == 10) amount -= 0.08;
        amount += 0.05 * (noise(x, stalk, 21) - 0.5);
        return shade(rush, amount);
    });
}

QImage bambooTile(int k) {
    const QColor green(88, 146, 58);
    struct Stalk {
        int left, width, node;
    };
    const Stalk stalks[2] = {{0, 17, 9}, {17, 16, 29}};
    return tileOf(k, [&](const Spot& at) {
        const int x = at.gx;
        const Stalk& s = x < stalks[1].left ? stalks[0] : stalks[1];
        const double t = (at.x - s.left + 0.5) / s.width;
        // A round stalk: dark at both edges, a highlight left of its middle.
        double amount = -0.45 + 0.75 * std::pow(std::sin(kPi * t), 0.7);
        amount += 0.22 * std::exp(-std::pow((t - 0.33) / 0.08, 2));
        amount += 0.05 * (noise(x, 0, 31) - 0.5);
        const int dy = at.gy - s.node;
        if (dy == 0) amount -= 0.35;
        if (dy == 1) amount += 0.25;
        if (dy == -1 || dy == 2) amount += 0.08;
        if (x == s.left) amount = -0.7;
        return shade(green, amount);
    });
}

QImage spaceTile(int k) {
    return tileOf(k, [](const Spot& s) {
        // Deep blue night with a faint glow, and stars of different brightness, each a whole
        // game pixel.
        const int x = s.gx, y = s.gy;
        const double glow = 0.5 + 0.5 * wave(s.x + 9, kPeriodX) * wave(s.y + 3, kPeriodY);
        QColor sky(4 + int(10 * glow), 4 + int(4 * glow), 20 + int(18 * glow));
        const double n = noise(x, y, 41);
        if (n > 0.988) {
            const double b = noise(x, y, 42);
            const int v = 110 + int(145 * b * b);
            sky = QColor(v, v, std::min(255, v + 30));
        } else if (n > 0.975) {
            sky = shade(sky, 0.18);
        }
        return sky;
    });
}

QImage brickTile(int k) {
    const QColor mortar(200, 192, 176);
    // Four courses down one tile; each brick is half a period long, alternate courses offset by
    // half a brick.
    const int courseTop[5] = {0, 10, 20, 30, kPeriodY};
    const double brickLength = kPeriodX / 2.0;
    return tileOf(k, [&](const Spot& s) {
        // Bricks and mortar keep to whole game pixels; only the grain is finer.
        const int x = s.gx, y = s.gy;
        int course = 0;
        while (y >= courseTop[course + 1]) ++course;
        const int inCourse = y - courseTop[course];
        const int height = courseTop[course + 1] - courseTop[course];
        const double u = x + (course % 2) * brickLength / 2;
        const int brick = static_cast<int>(u / brickLength) % 2;
        const double along = std::fmod(u, brickLength);
        if (inCourse == 0 || along < 1.0) return shade(mortar, 0.1 * (noise(s.dx, s.dy, 51) - 0.5));
        const double tone = 0.18 * (noise(course, brick, 52) - 0.5);
        const QColor clay = shade(QColor(160, 62, 38), tone);
        double amount = 0.12 * (noise(s.dx, s.dy, 53) - 0.5);
        if (inCourse == 1) amount += 0.12;
        if (inCourse == height - 1) amount -= 0.18;
        return shade(clay, amount);
    });
}

}  // namespace view::paint
