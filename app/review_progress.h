// The review's progress under the move list: a bar with "解析中 37 / 120" on it while the review
// runs, hidden otherwise.
#pragma once

#include <QProgressBar>

namespace flow {
class RecordView;
}

namespace app {

class ReviewProgress : public QProgressBar {
    Q_OBJECT
  public:
    explicit ReviewProgress(const flow::RecordView& record, QWidget* parent = nullptr);

    // Shows how far the review has come, or hides the bar when none runs.
    void follow();
    // Height and font at `scale` widget pixels to a game pixel.
    void setScale(double scale);

  private:
    const flow::RecordView& record_;
};

}  // namespace app
