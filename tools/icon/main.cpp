// kz-icon: paints the game's icon, a shogi 王 in front of a Chinese 将 on a tile of the board's
// wood, with the same painters as the pieces on the board.
//
//   kz-icon FOLDER NAME SIZE...   writes FOLDER/SIZExSIZE/apps/NAME.png for each size
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "view/layout.h"
#include "view/picture_painters.h"

namespace {

// A piece picture without its square: every pixel the bare square shows alike is left clear.
QImage pieceAlone(const QImage& piece, const QImage& square) {
    QImage out = piece.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (piece.pixel(x, y) == square.pixel(x, y)) out.setPixel(x, y, 0);
    return out;
}

QImage paintIcon(int size) {
    // The pieces are painted at the first resolution at least as fine as the icon needs.
    const double pieceHeight = size * 0.66;
    const int k = static_cast<int>(std::ceil(pieceHeight / view::kPieceHeightPx));
    const QImage square = view::paint::emptySquare(k);
    const QImage shogi = pieceAlone(view::paint::shogiPiece("王", false, 1.0, false, k), square);
    const QImage chinese = pieceAlone(view::paint::chinesePiece("将", true, k), square);

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The wood tile with rounded corners and a dark edge.
    const double margin = size / 32.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, size / 8.0, size / 8.0);
    p.setClipPath(rounded);
    p.drawImage(tile, square);
    p.setClipping(false);
    p.setPen(QPen(QColor(118, 76, 28), std::max(1.0, size / 64.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded);

    // The Chinese 将 behind, up and to the right; the 王 in front, down and to the left.
    const double pieceWidth = pieceHeight * view::kPieceWidthPx / view::kPieceHeightPx;
    p.drawImage(QRectF(size * 0.93 - pieceWidth, size * 0.06, pieceWidth, pieceHeight), chinese);
    p.drawImage(QRectF(size * 0.07, size * 0.94 - pieceHeight, pieceWidth, pieceHeight), shogi);
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: kz-icon FOLDER NAME SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "kz-icon: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + "/" + name + ".png";
        if (!QDir().mkpath(dir) || !paintIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "kz-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
