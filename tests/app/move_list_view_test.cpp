// The move list drawn at the window's scales.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "app/move_list_view.h"
#include "flow/game.h"
#include "support/gui/game_rig.h"
#include "support/gui/qt_app.h"

namespace {

// The widget-pixel columns of `cell` that hold dark ink.
std::vector<int> inkColumns(const QImage& image, const QRect& cell) {
    std::vector<int> out;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                out.push_back(x);
                break;
            }
        }
    }
    return out;
}

// The number is right-aligned against the move: at a large scale they must not read as one
// ("17六 歩" for row 1's "７六 歩").
TEST(MoveListView, TheNumberAndTheMoveKeepApartAtEveryScale) {
    testsupport::ensureQtApplication();
    testsupport::GameRig rig;
    rig.game->Form_Load();
    rig.dialogs.expect("先手の番です", " ");
    rig.game->MATCH_MAN_Click();
    const double top = rig.game->options().boardTop;
    rig.game->Form_MouseDown(flow::kLeftButton, 1050 + 495 * 3 + 200, top + 615 * 7 + 300);
    rig.game->Form_MouseDown(flow::kLeftButton, 1050 + 495 * 3 + 200, top + 615 * 6 + 300);

    app::MoveListView list(rig.game->recordView());
    list.recordChanged();
    list.show();
    for (double s : {1.0, 2.25, 3.0}) {
        list.setScale(s);
        list.resize(static_cast<int>(app::MoveListView::kWidthPx * s), static_cast<int>(300 * s));
        list.clearSelection();
        const QImage image = list.viewport()->grab().toImage();
        for (int row : {0, 1}) {
            const std::vector<int> number =
                inkColumns(image, list.visualItemRect(list.item(row, 0)));
            const std::vector<int> move = inkColumns(image, list.visualItemRect(list.item(row, 1)));
            ASSERT_FALSE(number.empty() || move.empty()) << s;
            EXPECT_GE(move.front() - number.back(), list.font().pixelSize() / 2)
                << "scale " << s << " row " << row;
        }
    }
}

}  // namespace
