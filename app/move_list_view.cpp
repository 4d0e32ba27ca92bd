#include "app/move_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>

#include "flow/record_view.h"
#include "platform/translation.h"

namespace app {

namespace {

// Column headings.
const char* const kHeadings[] = {KZ_TEXT("MoveList", "手"), KZ_TEXT("MoveList", "指し手"),
                                 KZ_TEXT("MoveList", "時間"), KZ_TEXT("MoveList", "評価")};
constexpr int kColumns = 4;

// Sizes in game pixels.
constexpr double kFontPx = 12;
constexpr double kRowPx = 18;
constexpr double kNumberColumnPx = 34;
constexpr double kMoveColumnPx = 84;
constexpr double kClockColumnPx = 66;
// Room between a cell's text and the side it is aligned to, so that the number and the move
// never touch.
constexpr double kCellPaddingPx = 3;
constexpr double kScoreColumnPx = 110;

// The rows of marked moves stand out, each mark in its own colour.
QBrush markBrush(com::MoveMark mark) {
    switch (mark) {
        case com::MoveMark::Blunder:
            return QColor(255, 176, 176);
        case com::MoveMark::Dubious:
            return QColor(255, 236, 160);
        case com::MoveMark::None:
            break;
    }
    return QBrush();
}

int scaled(double px, double scale) {
    return std::max(1, static_cast<int>(std::lround(px * scale)));
}

// Draws each cell's text a little in from the side it is aligned to (the number from the right,
// every other text from the left), so that the right-aligned number and the move beside it keep
// apart at every scale. The cell's background and highlight still fill the whole cell.
class PaddedCells : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setPadding(int px) { padding_ = px; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem whole = option;
        initStyleOption(&whole, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &whole, painter, widget);

        QStyleOptionViewItem inner = option;
        const bool right = (whole.displayAlignment & Qt::AlignRight) != 0;
        inner.rect.adjust(right ? 0 : padding_, 0, right ? -padding_ : 0, 0);
        painter->save();
        painter->setClipRect(option.rect);
        QStyledItemDelegate::paint(painter, inner, index);
        painter->restore();
    }

  private:
    int padding_ = 0;
};

}  // namespace

MoveListView::MoveListView(const flow::RecordView& record, QWidget* parent)
    : QTableWidget(0, kColumns, parent), record_(record) {
    setObjectName(QStringLiteral("MOVE_LIST_VIEW"));
    captionHeadings();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setShowGrid(false);
    setTabKeyNavigation(false);
    // The dock decides the width: the columns never ask for more.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    setMinimumWidth(1);
    setItemDelegate(new PaddedCells(this));
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (onChoose) onChoose(row);
    });
    setScale(1);
}

void MoveListView::captionHeadings() {
    QStringList headings;
    for (const char* h : kHeadings) headings << platform::translatedQ("MoveList", h);
    setHorizontalHeaderLabels(headings);
}

void MoveListView::changeEvent(QEvent* event) {
    // The headings and the first row follow a change of language.
    if (event->type() == QEvent::LanguageChange) {
        captionHeadings();
        recordChanged();
    }
    QTableWidget::changeEvent(event);
}

void MoveListView::recordChanged() {
    const std::vector<record::MoveListRow> rows = record_.moveListRows();
    const std::vector<flow::ReviewRow> review = record_.reviewRows();
    setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < rowCount(); ++i) {
        const record::MoveListRow& r = rows[i];
        const flow::ReviewRow judged =
            i < static_cast<int>(review.size()) ? review[i] : flow::ReviewRow{};
        std::string score = judged.score;
        if (!judged.better.empty()) score += " " + judged.better;
        const QString texts[kColumns] = {
            QString::number(r.number),
            QString::fromStdString(r.move) + QString::fromUtf8(flow::markText(judged.mark)),
            QString::fromStdString(r.clock), QString::fromStdString(score)};
        for (int c = 0; c < kColumns; ++c) {
            QTableWidgetItem* it = item(i, c);
            if (it == nullptr) {
                it = new QTableWidgetItem;
                it->setTextAlignment(c == 0 ? Qt::AlignRight | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
                setItem(i, c, it);
            }
            if (it->text() != texts[c]) it->setText(texts[c]);
            it->setBackground(markBrush(judged.mark));
        }
    }
    // The start row has no clock: its text (the handicap grade's label with it) takes the
    // clock's column too, and shows whole in its tooltip however narrow the list is.
    if (rowCount() > 0) {
        if (columnSpan(0, 1) != 2) setSpan(0, 1, 1, 2);
        item(0, 1)->setToolTip(item(0, 1)->text());
    }
    followCurrent();
    if (onRecordChange) onRecordChange();
}

void MoveListView::followCurrent() {
    const int row = record_.currentEntry();
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    if (currentRow() != row || selectedItems().isEmpty()) selectRow(row);
    scrollToItem(item(row, 0));
}

void MoveListView::setScale(double scale) {
    QFont f = font();
    f.setPixelSize(scaled(kFontPx, scale));
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setDefaultSectionSize(scaled(kRowPx, scale));
    horizontalHeader()->setFixedHeight(scaled(kRowPx + 4, scale));
    setColumnWidth(0, scaled(kNumberColumnPx, scale));
    setColumnWidth(1, scaled(kMoveColumnPx, scale));
    setColumnWidth(2, scaled(kClockColumnPx, scale));
    static_cast<PaddedCells*>(itemDelegate())->setPadding(scaled(kCellPaddingPx, scale));
    setColumnWidth(3, scaled(kScoreColumnPx, scale));
}

void MoveListView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QTableWidget::keyPressEvent(event);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (currentRow() >= 0 && onChoose) onChoose(currentRow());
            return;
        default:
            // ← / →, H, Esc and the rest are the window's.
            event->ignore();
    }
}

}  // namespace app
