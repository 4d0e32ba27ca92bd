// The game's main window: the menu bar, the canvas and the window-frame boundary; every menu
// item, press and key goes to the game controller.
//
// The window has a scale (app/window_scaling.h); sizes the game asks for in twips are taken at
// the present scale.
//
// The move list stands in a dock on the right of the game's area: it moves and resizes with the
// window, is never a window of its own to look after, and leaves the canvas the central widget,
// so presses on the board map exactly as without it. The window grows by the list's width while
// it is shown; the list follows the window's scale.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/canvas_widget.h"
#include "app/menu_table.h"
#include "app/move_list_view.h"
#include "app/review_graph.h"
#include "app/review_progress.h"
#include "app/window_scaling.h"
#include "platform/canvas.h"
#include "platform/frame.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_gui_thread.h"
#include "platform/system_clock.h"

class QDockWidget;

namespace flow {
class Game;
}
namespace platform {
class Dialogs;
class QtDialogs;
class QtFilePanel;
class SoundLibrary;
}  // namespace platform

namespace app {

class LegendWindow;

// What a test may put in place of the real outside world. Empty fields take the real ones.
struct WindowSetup {
    platform::Dialogs* dialogs = nullptr;            // message boxes
    platform::SoundLibrary* soundLibrary = nullptr;  // the mixer
    std::string folder = ".";                        // waves and settings file
    std::function<void()> quit;                      // how the program ends
    std::string settingsFolder{};  // settings file and recovery record; empty: `folder`
    std::string recordFolder{};    // where the file panel first opens; empty: `folder`
    bool keepsRecovery = false;    // the game in progress is kept in a recovery record
    // The language the system names (the program reads it from its environment).
    lang::Language systemLanguage = lang::Language::Japanese;
};

class MainWindow : public QMainWindow, public platform::Frame {
    Q_OBJECT
  public:
    explicit MainWindow(WindowSetup setup = {});
    ~MainWindow() override;

    // Runs the game's start-up.
    void start();
    // Once the window is shown: offers the game an earlier run left in the recovery record.
    void offerRecovery();
    flow::Game& game() { return *game_; }
    CanvasWidget* canvasWidget() { return view_; }
    platform::QtFilePanel* filePanel() { return filePanel_; }
    MoveListView* moveList() { return list_; }
    ReviewGraph* reviewGraph() { return graph_; }
    // The window's outer size that shows the game's area at `scale`, the move list included
    // while it is shown.
    QSize sizeFor(double scale) const;
    // Widget pixels to a game pixel.
    double scale() const { return scaling_.scale(); }

    // platform::Frame
    std::intptr_t handle() const override;
    void setWidthTwips(int width) override;
    void setHeightTwips(int height) override;
    bool maximized() const override;
    void moveToTop() override;
    void quit() override;
    void setLanguage(lang::Language language) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A change of language captions the menus again.
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The menu bar from the rows of the menu table.
    void buildMenus();
    // Edit mode's own items on the menu bar, shown only while a position is set up; every other
    // item that would start, step or load a game is greyed meanwhile.
    void buildEditItems();
    void syncEditMode();
    // Runs one event on the game, then shows the result.
    void run(const std::function<void()>& event);
    // Check marks and picture follow the game.
    void sync();
    void captionMenus();
    // The review's menu item and progress follow it.
    void followReview();
    // The game's area in game pixels: the window's size in twips without the menu bar.
    QSizeF naturalSize() const;
    // Makes the window its size in twips at the present scale (width, height or both).
    void applySize(bool width, bool height);
    // Shows or hides the move list as the option asks, growing or shrinking the window.
    void followListOption();
    // Opens the legend of the pieces, or brings it to the front.
    void showLegend();
    // The list's width in widget pixels at a scale, with the gap the dock leaves beside it; 0
    // while it is hidden.
    int listWidth(double scale) const;
    // Sizes the list for a scale, or for the scale the whole window shows at.
    void fitList(double scale);
    void fitListToWindow();
    // The menu bar's and the menus' font follow the window's scale.
    void scaleMenus();
    // The 棋譜 menu's picture of the board (main_window_share.cpp), saved through the desktop's
    // save dialog (an item put before `before`) or copied by its keys.
    void addShareItems(QMenu* kifu, QAction* before);
    void saveBoardPicture();
    void copyBoardPicture();

    WindowSetup setup_;
    std::unique_ptr<platform::QtDialogs> ownDialogs_;
    std::unique_ptr<platform::SoundLibrary> ownSound_;
    platform::Canvas canvas_;
    platform::SystemDayClock clock_;
    platform::QtTimer timer_;
    platform::QtClipboard clipboard_;
    platform::Dialogs* dialogs_ = nullptr;
    CanvasWidget* view_ = nullptr;
    platform::QtFilePanel* filePanel_ = nullptr;  // widgets over the canvas, owned by it
    QDockWidget* listDock_ = nullptr;
    MoveListView* list_ = nullptr;
    ReviewGraph* graph_ = nullptr;
    ReviewProgress* progress_ = nullptr;
    LegendWindow* legend_ = nullptr;  // made when first asked for
    bool listShown_ = false;
    platform::QtGuiThread guiThread_;
    std::unique_ptr<flow::Game> game_;
    // Every menu entry with its caption's source, and every check mark with its query.
    std::vector<std::pair<QAction*, const char*>> captions_;
    std::vector<std::pair<QAction*, CheckQuery>> checks_;
    WindowScaling scaling_;
    std::vector<QAction*> editItems_;
    int widthTwips_;
    int heightTwips_;
    // True while the window changes its own size: the scale it has is kept meanwhile.
    bool sizing_ = false;
    // The menus' font at the screen's normal size and the menu bar's height with it.
    QFont menuFont_;
    int menuHeight_ = 0;
};

}  // namespace app
