// A picture painted by code: its size is given in game pixels (15 twips each), and it can be
// painted again at any whole multiple of that size, so that it stays sharp on a large window.
#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <map>
#include <memory>

namespace platform {

class ScalablePicture {
  public:
    // `paint(k)` returns the picture at k device pixels to a game pixel: k times its natural size.
    using Painter = std::function<QImage(int resolution)>;
    explicit ScalablePicture(Painter paint);

    // A bitmap of a fixed size; larger resolutions are smooth enlargements of it.
    static std::shared_ptr<const ScalablePicture> fromBitmap(const QImage& bitmap);

    // The picture at resolution k (1 = its natural size), painted once and kept.
    const QImage& at(int resolution) const;
    QSize size() const { return at(1).size(); }
    // True when the picture covers every pixel of its rectangle.
    bool opaque() const { return !at(1).hasAlphaChannel(); }

  private:
    Painter paint_;
    mutable std::map<int, QImage> painted_;
};

}  // namespace platform
