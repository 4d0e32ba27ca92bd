// The move list beside the board: a read-only table of the game's rows (number, move with the
// review's mark, the mover's clock, the review's score and better move) with the entry on the board
// highlighted and kept in view. A click on a row, or Enter on a row picked with ↑ / ↓, asks for
// that entry; every other key goes on to the window.
#pragma once

#include <QTableWidget>
#include <functional>

#include "flow/record_listener.h"

namespace flow {
class RecordView;
}

namespace app {

class MoveListView : public QTableWidget, public flow::RecordListener {
    Q_OBJECT
  public:
    // The list's width in game pixels; it is shown at the window's scale.
    static constexpr int kWidthPx = 310;

    MoveListView(const flow::RecordView& record, QWidget* parent = nullptr);

    // Reads the rows and the current entry again.
    void recordChanged() override;
    // Highlights the entry on the board and scrolls it into view.
    void followCurrent();
    // Fonts, rows and columns at `scale` widget pixels to a game pixel.
    void setScale(double scale);

    // Runs with the entry a row click or Enter asks for.
    std::function<void(int entry)> onChoose;
    // Runs after the rows were read again (a move, a step, a result of the review).
    std::function<void()> onRecordChange;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void captionHeadings();
    const flow::RecordView& record_;
};

}  // namespace app
