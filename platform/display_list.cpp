#include "platform/display_list.h"

#include <QRegion>
#include <algorithm>

namespace platform {

void DisplayList::clear(const QRect& area) {
    area_ = area;
    ops_.clear();
    compactAt_ = kFirstCompaction;
}

void DisplayList::add(DrawOp op) {
    if (!op.bounds.intersects(area_)) return;
    if (op.opaque()) {
        // Whatever lies wholly under an opaque operation can never show again.
        std::erase_if(ops_, [&](const DrawOp& o) { return op.bounds.contains(o.bounds); });
    } else if (op.kind == DrawOp::Kind::Outline) {
        // The same outline again paints exactly the same pixels.
        std::erase_if(ops_, [&](const DrawOp& o) {
            return o.kind == DrawOp::Kind::Outline && o.bounds == op.bounds;
        });
    }
    ops_.push_back(std::move(op));
    if (ops_.size() > compactAt_) {
        compact();
        compactAt_ = std::max(kFirstCompaction, 2 * ops_.size());
    }
}

void DisplayList::compact() {
    // From the newest back: an operation whose pixels are all covered by newer opaque ones is
    // gone from the picture.
    QRegion covered;
    std::vector<DrawOp> kept;
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        const QRect visible = it->bounds & area_;
        if (QRegion(visible).subtracted(covered).isEmpty()) continue;
        if (it->opaque()) covered += visible;
        kept.push_back(std::move(*it));
    }
    std::reverse(kept.begin(), kept.end());
    ops_ = std::move(kept);
}

}  // namespace platform
