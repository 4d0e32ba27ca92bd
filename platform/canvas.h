// The window's drawing surface: a back buffer addressed in twips.
//
// Every position the game draws at is in twips, 15 to a game pixel; the game's own layout is
// measured in those game pixels (a square is 33×41 of them). The window may be any size, so the
// mapping from game pixels to the screen's device pixels changes, and this is how it stays sharp:
//
// - The buffer is painted at a whole-number resolution k: every game pixel is k×k device pixels.
//   Pictures are painted by code at k times their natural size (never enlarged bitmaps), text
//   is set in a k times larger font, and outlines and rectangles cover whole game pixels, so
//   at k = 1 the buffer is exactly the game's classic picture.
// - The canvas widget picks k as the window's scale rounded up (device pixels, so a HiDPI
//   screen counts) and shows the buffer scaled down smoothly by a factor between ½ and 1, or
//   pixel for pixel when the scale is whole. Downscaling a sharper picture stays sharp; no
//   picture is ever blown up.
// - Every drawing call is also kept in a display list (platform/display_list.h) in game pixels;
//   when k changes the buffer is painted again from the list, so nothing the game drew (the
//   guidance marks, a selection, a message) is lost by resizing the window.
//
// Tests draw on the same class offscreen at k = 1 and read its pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "platform/display_list.h"
#include "platform/palette.h"
#include "platform/scalable_picture.h"

namespace platform {

constexpr double kTwipsPerPixel = 15.0;

class Canvas {
  public:
    // The highest resolution the buffer is painted at; larger windows enlarge it smoothly.
    static constexpr int kMaxResolution = 4;

    Canvas(int widthTwips, int heightTwips);

    // Changes the size of the surface; the content is cleared to black.
    void resize(int widthTwips, int heightTwips);
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }
    // The size in game pixels.
    QSize gameSize() const { return QSize(toPixel(widthTwips_), toPixel(heightTwips_)); }

    // Device pixels to a game pixel (1..kMaxResolution). A change paints the buffer again.
    void setResolution(int k);
    int resolution() const { return resolution_; }

    // Paints a picture with its top-left corner at (x, y), at its natural size.
    void drawPicture(const std::shared_ptr<const ScalablePicture>& picture, double x, double y);
    void drawPicture(const QImage& bitmap, double x, double y);
    // A one-pixel rectangle outline from corner to corner, both included.
    void outline(int colour, double x1, double y1, double x2, double y2);
    // A filled rectangle with its top-left corner at (x, y).
    void fill(int colour, double x, double y, double width, double height);

    // Font size in points, as the game gives it; the next print uses it.
    void setFont(double points, bool bold);
    void setTextColour(int colour);
    // Prints text with the top-left of its line at (x, y).
    void print(double x, double y, const QString& text);
    // The width in twips the text takes in the font set last.
    double textWidth(const QString& text) const;
    // The text as it fits in `widthTwips` in the font set last: whole, or cut short with "…".
    QString elided(const QString& text, double widthTwips) const;

    // Asks the window to show the buffer now.
    void repaintNow();
    void setRepaintListener(std::function<void()> listener) { repaint_ = std::move(listener); }

    // What is kept for painting again.
    const DisplayList& displayList() const { return list_; }
    // The buffer at the current resolution.
    const QImage& image() const { return image_; }
    // The top-left device pixel of the game pixel holding a twips position.
    QRgb pixelAtTwips(double x, double y) const;
    // Game pixel column/row of a twips position.
    static int toPixel(double twips);

    // The colour of a palette index (platform/palette.h).
    static QColor paletteColour(int index);

  private:
    void draw(DrawOp op);
    void paint(const DrawOp& op);

    int widthTwips_;
    int heightTwips_;
    int resolution_ = 1;
    QImage image_;
    DisplayList list_;
    double fontPoints_ = 9;
    bool fontBold_ = false;
    int textColour_ = 0;
    std::function<void()> repaint_;
};

}  // namespace platform
