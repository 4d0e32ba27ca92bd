#include "support/gui/pixels.h"

namespace testsupport {

bool showsPicture(const platform::Canvas& canvas, double xTwips, double yTwips,
                  const QImage& picture, std::string* why) {
    const int px = platform::Canvas::toPixel(xTwips), py = platform::Canvas::toPixel(yTwips);
    const QImage& img = canvas.image();
    for (int y = 1; y < 41; ++y) {
        for (int x = 1; x < 33; ++x) {
            if (!img.valid(px + x, py + y)) continue;  // off the window's edge
            if (img.pixel(px + x, py + y) != picture.pixel(x, y)) {
                if (why)
                    *why = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") differs";
                return false;
            }
        }
    }
    return true;
}

bool outlinedIn(const platform::Canvas& canvas, double xTwips, double yTwips, int colour) {
    const int px = platform::Canvas::toPixel(xTwips), py = platform::Canvas::toPixel(yTwips);
    const QRgb want = platform::Canvas::paletteColour(colour).rgb();
    const QImage& img = canvas.image();
    for (int i = 0; i <= 33; ++i) {
        if (img.pixel(px + i, py) != want || img.pixel(px + i, py + 41) != want) return false;
    }
    for (int j = 0; j <= 41; ++j) {
        if (img.pixel(px, py + j) != want || img.pixel(px + 33, py + j) != want) return false;
    }
    return true;
}

int countColour(const platform::Canvas& canvas, double x1, double y1, double x2, double y2,
                int colour) {
    const QRgb want = platform::Canvas::paletteColour(colour).rgb();
    const QImage& img = canvas.image();
    int n = 0;
    for (int y = platform::Canvas::toPixel(y1); y < platform::Canvas::toPixel(y2); ++y)
        for (int x = platform::Canvas::toPixel(x1); x < platform::Canvas::toPixel(x2); ++x)
            if (img.valid(x, y) && img.pixel(x, y) == want) ++n;
    return n;
}

}  // namespace testsupport
