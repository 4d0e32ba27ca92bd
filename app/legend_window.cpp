#include "app/legend_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/translation.h"
#include "view/legend.h"
#include "view/pictures.h"

namespace app {

namespace {

const char* const kTitle = KZ_TEXT("Legend", "駒の動き");
const char* const kKey = KZ_TEXT("Legend", "緑の点は行けるマス、赤い点は取れる駒です");
const char* const kShogiArmy = KZ_TEXT("Legend", "将棋の軍勢");
const char* const kChineseArmy = KZ_TEXT("Legend", "中国将棋の軍勢");

// Sizes in game pixels.
constexpr double kTextPx = 12;
constexpr double kNamePx = 14;
constexpr double kHeadingPx = 16;
constexpr int kColumns = 4;
constexpr double kCardWidthPx = 150;

// A picture painted at the nearest whole resolution above the device's, brought to its size.
QPixmap pixmapOf(const std::function<QImage(int)>& paint, QSize natural, double scale,
                 double deviceRatio) {
    const double device = scale * deviceRatio;
    const QImage img = paint(std::max(1, static_cast<int>(std::ceil(device - 1e-9))));
    const QSize size(static_cast<int>(std::lround(natural.width() * device)),
                     static_cast<int>(std::lround(natural.height() * device)));
    QPixmap pixmap = QPixmap::fromImage(
        img.size() == size ? img
                           : img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(deviceRatio);
    return pixmap;
}

QLabel* textLabel(const QString& text, double px, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setBold(bold);
    label->setFont(f);
    return label;
}

}  // namespace

LegendWindow::LegendWindow(const view::Pictures& pictures, QWidget* parent)
    : QWidget(parent, Qt::Window), pictures_(pictures) {
    setObjectName(QStringLiteral("LEGEND_WINDOW"));
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
}

void LegendWindow::follow(platform::PieceSet set, double scale) {
    if (set == set_ && scale == scale_) return;
    set_ = set;
    scale_ = scale;
    build();
}

void LegendWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && scale_ > 0) build();
    QWidget::changeEvent(event);
}

void LegendWindow::build() {
    setWindowTitle(platform::translatedQ("Legend", kTitle));
    const double s = scale_;
    const double ratio = devicePixelRatioF();
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setSpacing(static_cast<int>(std::lround(8 * s)));
    column->addWidget(
        textLabel(platform::translatedQ("Legend", kKey), kTextPx * s, false, content));

    const auto entries = view::legendEntries();
    QGridLayout* grid = nullptr;
    int placed = 0;
    bool chinese = false;
    for (const view::LegendEntry& entry : entries) {
        // Each army under its own heading.
        if (grid == nullptr || rules::isChineseKind(entry.kind) != chinese) {
            chinese = rules::isChineseKind(entry.kind);
            column->addWidget(
                textLabel(platform::translatedQ("Legend", chinese ? kChineseArmy : kShogiArmy),
                          kHeadingPx * s, true, content));
            grid = new QGridLayout;
            grid->setHorizontalSpacing(static_cast<int>(std::lround(12 * s)));
            grid->setVerticalSpacing(static_cast<int>(std::lround(10 * s)));
            column->addLayout(grid);
            placed = 0;
        }
        auto* card = new QWidget(content);
        card->setFixedWidth(static_cast<int>(std::lround(kCardWidthPx * s)));
        auto* rows = new QVBoxLayout(card);
        rows->setContentsMargins(0, 0, 0, 0);
        auto* head = new QHBoxLayout;
        view::Picture picture;
        const rules::PieceCode code = view::legendCode(entry);
        if (view::pictureOfShogiCode(code, picture) || view::pictureOfChineseCode(code, picture)) {
            const auto& scalable = pictures_.scalable(picture, set_);
            auto* image = new QLabel(card);
            image->setPixmap(
                pixmapOf([&](int k) { return scalable->at(k); }, scalable->size(), s, ratio));
            head->addWidget(image);
        }
        QLabel* name =
            textLabel(platform::translatedQ("Legend", entry.name), kNamePx * s, true, card);
        name->setWordWrap(true);  // "Promoted bishop" takes two lines
        head->addWidget(name, 1);
        rows->addLayout(head);
        const view::LegendDiagram diagram = view::legendDiagram(entry);
        auto* board = new QLabel(card);
        board->setPixmap(pixmapOf([&](int k) { return view::paintLegendDiagram(diagram, k); },
                                  QSize(view::kDiagramSizePx, view::kDiagramSizePx), s, ratio));
        rows->addWidget(board);
        QLabel* moves =
            textLabel(platform::translatedQ("Legend", entry.moves), kTextPx * s, false, card);
        moves->setWordWrap(true);
        rows->addWidget(moves);
        rows->addStretch(1);
        grid->addWidget(card, placed / kColumns, placed % kColumns, Qt::AlignTop);
        ++placed;
    }
    column->addStretch(1);
    scroll_->setWidget(content);

    // As wide as the cards, as tall as they are while the screen has room.
    const QSize wanted =
        content->sizeHint() + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4, 4);
    int height = wanted.height();
    if (const QScreen* screen = this->screen())
        height = std::min(height, static_cast<int>(screen->availableGeometry().height() * 0.85));
    resize(wanted.width(), height);
}

}  // namespace app
