// A picture of the game's area (the board, both stands and the move number) for saving or
// copying: painted afresh from the canvas's display list at twice the game's natural size.
#pragma once

#include <QImage>
#include <QSizeF>

#include "platform/canvas.h"

namespace app {

constexpr int kBoardPictureScale = 2;

// `natural` is the game's area in game pixels. The canvas is left at the resolution it had.
QImage boardPicture(platform::Canvas& canvas, const QSizeF& natural);

}  // namespace app
