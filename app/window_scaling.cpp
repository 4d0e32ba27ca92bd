#include "app/window_scaling.h"

#include <algorithm>
#include <cmath>

namespace app {
namespace {

// The share of the screen's free area the window may take when it opens, leaving room for the
// frame the window system puts round it.
constexpr double kScreenShare = 0.94;
// The menus' font grows with the scale up to four times; a new quarter step is taken once the
// scale is this far from the present one.
constexpr double kLargestMenuStep = 4;
constexpr double kMenuStepMargin = 0.175;

}  // namespace

double WindowScaling::initialScale(const QRect& free, QSizeF natural) {
    const double fit = std::min(free.width() * kScreenShare / natural.width(),
                                free.height() * kScreenShare / natural.height());
    return std::max(1.0, std::floor(fit * 4) / 4);
}

double WindowScaling::fitScale(QSizeF room, QSizeF natural, double listPx) {
    const double s =
        std::min(room.width() / (natural.width() + listPx), room.height() / natural.height());
    return std::max(s, 0.25);
}

QFont WindowScaling::scaledFont(const QFont& base, double step) {
    QFont font = base;
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * step);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * step)));
    }
    return font;
}

bool WindowScaling::follow(double s, QSizeF natural) {
    if (std::abs(s - scale_) * std::max(natural.width(), natural.height()) < 1) return false;
    scale_ = s;
    return true;
}

std::optional<double> WindowScaling::nextMenuStep() {
    const double wanted = std::clamp(std::round(scale_ * 4) / 4, 1.0, kLargestMenuStep);
    if (wanted == menuStep_ || std::abs(scale_ - menuStep_) < kMenuStepMargin) return std::nullopt;
    menuStep_ = wanted;
    return wanted;
}

}  // namespace app
