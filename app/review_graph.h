// The graph of the review under the move list: each reviewed entry's score, the shogi army's
// advantage up, clipped so that one capture does not flatten the rest; the entry on the board is
// marked, and a click asks for the entry under it.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace flow {
class RecordView;
}

namespace app {

class ReviewGraph : public QWidget {
    Q_OBJECT
  public:
    // The graph's height in game pixels.
    static constexpr int kHeightPx = 90;

    explicit ReviewGraph(const flow::RecordView& record, QWidget* parent = nullptr);

    // One point per entry of the reviewed record: its clipped score, or none while not done.
    std::vector<std::optional<double>> points() const;
    void setScale(double scale);

    // Runs with the entry a click asks for.
    std::function<void(int entry)> onChoose;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The x of entry n of `count`, and the entry nearest to an x.
    double xOf(int n, int count) const;
    int entryAt(double x, int count) const;
    const flow::RecordView& record_;
};

}  // namespace app
