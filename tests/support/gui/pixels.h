// Reading what the canvas shows, in board units.
#pragma once

#include <QImage>
#include <string>

#include "platform/canvas.h"

namespace testsupport {

// True when the square whose top-left corner is at (xTwips, yTwips) shows `picture` inside its
// outline (every pixel but the first column and row, which the outline paints). Only the part
// of the square that lies on the canvas is compared.
bool showsPicture(const platform::Canvas& canvas, double xTwips, double yTwips,
                  const QImage& picture, std::string* why = nullptr);

// True when the one-pixel outline of the square at (xTwips, yTwips) is in the palette colour.
bool outlinedIn(const platform::Canvas& canvas, double xTwips, double yTwips, int colour);

// Pixels of the palette colour inside the rectangle of twips.
int countColour(const platform::Canvas& canvas, double x1, double y1, double x2, double y2,
                int colour);

}  // namespace testsupport
