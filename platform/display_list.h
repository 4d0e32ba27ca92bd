// What the canvas has drawn, kept in game pixels so that the window can be painted again at
// another resolution. Operations wholly painted over by later ones are dropped, so the list
// stays about as long as one full redraw.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/scalable_picture.h"

namespace platform {

struct DrawOp {
    enum class Kind { Picture, Outline, Fill, Text };
    Kind kind = Kind::Fill;
    // Every game pixel the operation may touch (for an outline: its four sides).
    QRect bounds;
    QColor colour;
    std::shared_ptr<const ScalablePicture> picture;
    // Top-left corner of a picture, or of a text's line, in game pixels.
    QPoint at;
    QString text;
    int pixelSize = 12;  // text height in game pixels
    bool bold = false;

    // True when the operation paints every pixel of its bounds.
    bool opaque() const {
        return kind == Kind::Fill || (kind == Kind::Picture && picture->opaque());
    }
};

class DisplayList {
  public:
    // `area` is the surface in game pixels: what lies wholly outside it is never kept.
    explicit DisplayList(const QRect& area) : area_(area) {}

    void clear(const QRect& area);
    void add(DrawOp op);
    const std::vector<DrawOp>& ops() const { return ops_; }

  private:
    // Drops every operation that later opaque ones cover entirely.
    void compact();

    QRect area_;
    std::vector<DrawOp> ops_;
    std::size_t compactAt_ = kFirstCompaction;
    static constexpr std::size_t kFirstCompaction = 2048;
};

}  // namespace platform
