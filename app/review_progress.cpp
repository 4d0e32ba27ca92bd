#include "app/review_progress.h"

#include <algorithm>
#include <cmath>

#include "flow/record_view.h"

namespace app {

namespace {

// In game pixels.
constexpr double kHeightPx = 18;
constexpr double kFontPx = 12;

int scaled(double px, double scale) {
    return std::max(1, static_cast<int>(std::lround(px * scale)));
}

}  // namespace

ReviewProgress::ReviewProgress(const flow::RecordView& record, QWidget* parent)
    : QProgressBar(parent), record_(record) {
    setObjectName(QStringLiteral("REVIEW_PROGRESS"));
    setAlignment(Qt::AlignCenter);
    setTextVisible(true);
    setScale(1);
    hide();
}

void ReviewProgress::follow() {
    const flow::ReviewCount count = record_.analysisCount();
    if (!record_.analysing() || count.total <= 0) {
        hide();
        return;
    }
    setRange(0, count.total);
    setValue(count.done);
    // The text is the game's own: a '%' in it would be read as one of the bar's placeholders.
    setFormat(
        QString::fromStdString(record_.analysisProgress()).replace(u'%', QStringLiteral("%%")));
    show();
}

void ReviewProgress::setScale(double scale) {
    QFont f = font();
    f.setPixelSize(scaled(kFontPx, scale));
    setFont(f);
    setFixedHeight(scaled(kHeightPx, scale));
}

}  // namespace app
