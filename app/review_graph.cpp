#include "app/review_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "flow/record_view.h"

namespace app {

namespace {

constexpr int kMarginPx = 4;

}  // namespace

ReviewGraph::ReviewGraph(const flow::RecordView& record, QWidget* parent)
    : QWidget(parent), record_(record) {
    setObjectName(QStringLiteral("REVIEW_GRAPH"));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setScale(1);
}

std::vector<std::optional<double>> ReviewGraph::points() const {
    std::vector<std::optional<double>> points;
    for (const flow::ReviewRow& row : record_.reviewRows()) {
        points.push_back(row.done ? std::optional<double>(row.graphScore) : std::nullopt);
    }
    return points;
}

void ReviewGraph::setScale(double scale) {
    setFixedHeight(std::max(1, static_cast<int>(std::lround(kHeightPx * scale))));
}

double ReviewGraph::xOf(int n, int count) const {
    const double span = width() - 2 * kMarginPx;
    return kMarginPx + (count > 1 ? span * n / (count - 1) : span / 2);
}

int ReviewGraph::entryAt(double x, int count) const {
    if (count <= 1) return 0;
    const double span = std::max(1, width() - 2 * kMarginPx);
    return std::clamp(static_cast<int>(std::lround((x - kMarginPx) * (count - 1) / span)), 0,
                      count - 1);
}

void ReviewGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(250, 250, 244));
    const double mid = height() / 2.0;
    const double half = height() / 2.0 - kMarginPx;
    p.setPen(QColor(180, 180, 180));
    p.drawLine(QPointF(0, mid), QPointF(width(), mid));
    const std::vector<std::optional<double>> pts = points();
    const int count = static_cast<int>(pts.size());
    if (count == 0) return;
    // The entry on the board.
    const int current = record_.currentEntry();
    if (current >= 0 && current < count) {
        p.setPen(QPen(QColor(60, 110, 220), 1, Qt::DashLine));
        p.drawLine(QPointF(xOf(current, count), 0), QPointF(xOf(current, count), height()));
    }
    // The shogi army's advantage up.
    QPainterPath path;
    bool open = false;
    for (int n = 0; n < count; ++n) {
        if (!pts[n]) {
            open = false;
            continue;
        }
        const QPointF at(xOf(n, count), mid - *pts[n] / com::kMarkClip * half);
        if (open) {
            path.lineTo(at);
        } else {
            path.moveTo(at);
            open = true;
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawPath(path);
}

void ReviewGraph::mousePressEvent(QMouseEvent* event) {
    const int count = static_cast<int>(record_.reviewRows().size());
    if (count > 0 && onChoose) onChoose(entryAt(event->position().x(), count));
}

}  // namespace app
