// The painters behind the picture set, one per family of pictures. Each paints its picture at
// resolution k: k device pixels to a game pixel, so the image is k times the natural size and
// everything on it is drawn again at that size, never enlarged.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace view::paint {

// The wooden square of the board, without a piece.
QImage emptySquare(int k);

// How a piece's character is written: its size in game pixels (on the king, for the shogi
// pieces), and a stroke round each glyph that makes thin letters as heavy as the kanji (0: none).
struct Lettering {
    double px;
    double stroke = 0;
};
constexpr Lettering kKanjiOnShogi{21};
constexpr Lettering kKanjiOnChinese{18};

// A shogi piece on a board square: pointing up for the bottom army, turned half round for the
// top army. `scale` shrinks the lesser pieces as on a real set (1 = the king); promoted sides
// carry a red character.
QImage shogiPiece(const QString& text, bool promoted, double scale, bool top, int k,
                  const Lettering& lettering = kKanjiOnShogi);

// A round Chinese piece on a board square: dark with a light character for the Chinese army's
// own pieces, light with a red character for those the shogi army holds.
QImage chinesePiece(const QString& text, bool chineseOwned, int k,
                    const Lettering& lettering = kKanjiOnChinese);

// Writes `text` centred in `box`: plain text, or with a stroke its glyphs filled and outlined.
void drawCharacter(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const QColor& ink, double stroke);

// Background tiles, 34×41, each seamless when laid every 33 pixels across and 41 down.
QImage feltTile(int k);
QImage tatamiTile(int k);
QImage bambooTile(int k);
QImage spaceTile(int k);
QImage brickTile(int k);

// The title plate, 161×39.
QImage titlePlate(int k);

// One device pixel of a picture painted pixel by pixel at resolution k: `x`, `y` its centre in
// game pixels (whole numbers at k = 1), `gx`, `gy` the game pixel it lies in, `dx`, `dy` the
// device pixel itself (for grain finer than a game pixel).
struct Spot {
    double x, y;
    int gx, gy;
    int dx, dy;
};
// A picture of `width`×`height` game pixels at resolution k, one colour per device pixel. With
// `periodX` > 0 the pattern repeats every that many game pixels across.
template <typename F>
QImage pixelPicture(int width, int height, int k, int periodX, F colourAt) {
    QImage img(width * k, height * k, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const int dx = periodX > 0 ? x % (periodX * k) : x;
            const Spot s{(dx + 0.5) / k - 0.5, (y + 0.5) / k - 0.5, dx / k, y / k, dx, y};
            img.setPixel(x, y, colourAt(s).rgb());
        }
    }
    return img;
}

// The kanji font at a pixel size.
QFont kanjiFont(int pixelSize, bool bold);
// A repeatable pseudo-random value in [0, 1) for a pixel and a seed: the pictures are the same
// on every start.
double noise(int x, int y, int seed);
// A colour shaded by `amount` in -1..1 (negative darker, positive lighter).
QColor shade(const QColor& c, double amount);

}  // namespace view::paint
