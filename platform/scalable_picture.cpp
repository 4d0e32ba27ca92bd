#include "platform/scalable_picture.h"

namespace platform {

ScalablePicture::ScalablePicture(Painter paint) : paint_(std::move(paint)) {}

std::shared_ptr<const ScalablePicture> ScalablePicture::fromBitmap(const QImage& bitmap) {
    return std::make_shared<const ScalablePicture>([bitmap](int k) {
        if (k == 1) return bitmap;
        return bitmap.scaled(bitmap.size() * k, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
}

const QImage& ScalablePicture::at(int resolution) const {
    const int k = std::max(1, resolution);
    auto found = painted_.find(k);
    if (found == painted_.end()) found = painted_.emplace(k, paint_(k)).first;
    return found->second;
}

}  // namespace platform
