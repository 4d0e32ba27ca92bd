// The painters behind the picture set, one per family of pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace view::paint {

// The wooden square of the board, without a piece.
QImage emptySquare();

// A shogi piece on a board square: pointing up for the bottom army, turned half round for the
// top army. `scale` shrinks the lesser pieces as on a real set (1 = the king); promoted sides
// carry a red character.
QImage shogiPiece(const QString& kanji, bool promoted, double scale, bool top);

// A round Chinese piece on a board square: dark with a light character for the Chinese army's
// own pieces, light with a red character for those the shogi army holds.
QImage chinesePiece(const QString& kanji, bool chineseOwned);

// Background tiles, 34×41, each seamless when laid every 33 pixels across and 41 down.
QImage feltTile();
QImage tatamiTile();
QImage bambooTile();
QImage spaceTile();
QImage brickTile();

// The title plate, 161×39.
QImage titlePlate();

// The kanji font at a pixel size.
QFont kanjiFont(int pixelSize, bool bold);
// A repeatable pseudo-random value in [0, 1) for a pixel and a seed: the pictures are the same
// on every start.
double noise(int x, int y, int seed);
// A colour shaded by `amount` in -1..1 (negative darker, positive lighter).
QColor shade(const QColor& c, double amount);

}  // namespace view::paint
