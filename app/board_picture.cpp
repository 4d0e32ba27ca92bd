#include "app/board_picture.h"

#include <cmath>

namespace app {

QImage boardPicture(platform::Canvas& canvas, const QSizeF& natural) {
    const int before = canvas.resolution();
    canvas.setResolution(kBoardPictureScale);
    const QImage picture = canvas.image().copy(
        0, 0, static_cast<int>(std::lround(natural.width())) * kBoardPictureScale,
        static_cast<int>(std::lround(natural.height())) * kBoardPictureScale);
    canvas.setResolution(before);
    return picture;
}

}  // namespace app
