// The legend (ヘルプ → 駒の動き): every kind of both armies in the piece set in use, with its
// name, a diagram of its moves and a line on them. A window of its own beside the game's; it
// follows the language, the piece set and the game window's scale.
#pragma once

#include <QWidget>

#include "platform/piece_set.h"

class QScrollArea;

namespace view {
class Pictures;
}

namespace app {

class LegendWindow : public QWidget {
    Q_OBJECT
  public:
    LegendWindow(const view::Pictures& pictures, QWidget* parent);

    // Shows the pieces of `set` at `scale` widget pixels to a game pixel; the contents are made
    // again only when either changed.
    void follow(platform::PieceSet set, double scale);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void build();

    const view::Pictures& pictures_;
    platform::PieceSet set_ = platform::PieceSet::Kanji;
    double scale_ = 0;  // nothing built yet
    QScrollArea* scroll_ = nullptr;
};

}  // namespace app
