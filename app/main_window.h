// The game's main window: the menu bar, the canvas and the window-frame boundary; every menu
// item and every press goes to the game controller.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/canvas_widget.h"
#include "platform/canvas.h"
#include "platform/frame.h"
#include "platform/system_clock.h"

class QMenu;

namespace flow {
class Game;
}
namespace platform {
class Dialogs;
class QtFilePanel;
class SoundLibrary;
}  // namespace platform

namespace app {

// What a test may put in place of the real outside world. Empty fields take the real ones.
struct WindowSetup {
    platform::Dialogs* dialogs = nullptr;            // message boxes
    platform::SoundLibrary* soundLibrary = nullptr;  // the mixer
    std::string folder = ".";                        // waves and settings file
    std::function<void()> quit;                      // how the program ends
};

class MainWindow : public QMainWindow, public platform::Frame {
    Q_OBJECT
  public:
    explicit MainWindow(WindowSetup setup = {});
    ~MainWindow() override;

    // Runs the game's start-up.
    void start();
    flow::Game& game() { return *game_; }
    CanvasWidget* canvasWidget() { return view_; }
    platform::QtFilePanel* filePanel() { return filePanel_; }

    // platform::Frame
    std::intptr_t handle() const override;
    void setWidthTwips(int width) override;
    void setHeightTwips(int height) override;
    bool maximized() const override;
    void moveToTop() override;
    void quit() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    using Routine = void (flow::Game::*)();
    void buildMenus();
    QMenu* menu(QWidget* parent, const char* caption, const char* name);
    QAction* item(QWidget* parent, const char* caption, const char* name, Routine routine,
                  bool checkable = false);
    // Runs one event on the game, then shows the result.
    void run(const std::function<void()>& event);
    // Check marks and picture follow the game.
    void sync();

    WindowSetup setup_;
    std::unique_ptr<platform::Dialogs> ownDialogs_;
    std::unique_ptr<platform::SoundLibrary> ownSound_;
    platform::Canvas canvas_;
    platform::SystemDayClock clock_;
    platform::QtTimer timer_;
    CanvasWidget* view_ = nullptr;
    platform::QtFilePanel* filePanel_ = nullptr;  // widgets over the canvas, owned by it
    std::unique_ptr<flow::Game> game_;
};

}  // namespace app
