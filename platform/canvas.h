// The window's drawing surface: a back buffer addressed in twips.
//
// Every position the game draws at is in twips (15 twips to a pixel at 100 %). The buffer is a
// QImage; the canvas widget shows it and maps presses back to twips. Tests draw on the same class
// offscreen and read its pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>

namespace platform {

constexpr double kTwipsPerPixel = 15.0;

class Canvas {
  public:
    Canvas(int widthTwips, int heightTwips);

    // Changes the size of the surface; the content is cleared to black.
    void resize(int widthTwips, int heightTwips);
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }

    // Paints a picture with its top-left corner at (x, y), at its natural size.
    void drawPicture(const QImage& picture, double x, double y);
    // A one-pixel rectangle outline from corner to corner, both included.
    void outline(int colour, double x1, double y1, double x2, double y2);
    // A filled rectangle with its top-left corner at (x, y).
    void fill(int colour, double x, double y, double width, double height);

    // Font size in points, as the game gives it; the next print uses it.
    void setFont(double points, bool bold);
    void setTextColour(int colour);
    // Prints text with the top-left of its line at (x, y).
    void print(double x, double y, const QString& text);

    // Asks the window to show the buffer now.
    void repaintNow();
    void setRepaintListener(std::function<void()> listener) { repaint_ = std::move(listener); }

    const QImage& image() const { return image_; }
    QRgb pixelAtTwips(double x, double y) const;
    // Pixel column/row of a twips position.
    static int toPixel(double twips);

    // The classic 16-colour palette.
    static QColor paletteColour(int index);

  private:
    int widthTwips_;
    int heightTwips_;
    QImage image_;
    double fontPoints_ = 9;
    bool fontBold_ = false;
    int textColour_ = 0;
    std::function<void()> repaint_;
};

}  // namespace platform
