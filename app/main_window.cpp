#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>
#include <map>

#include "app/legend_window.h"
#include "app/qt_translation.h"
#include "app/time_control_dialog.h"
#include "flow/game.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_file_panel.h"
#include "platform/sdl_sound_library.h"
#include "platform/translation.h"
#include "view/layout.h"

namespace app {

namespace {

double pixels(int twips) {
    return twips / platform::kTwipsPerPixel;
}

// The help menu and its legend of the pieces, the window's own.
const char* const kHelpCaption = KZ_TEXT("Menu", "ヘルプ");
const char* const kLegendCaption = KZ_TEXT("Menu", "駒の動き");

}  // namespace

MainWindow::MainWindow(WindowSetup setup)
    : setup_(std::move(setup)),
      canvas_(view::kCanvasWidthTwips, view::kCanvasHeightTwips),
      timer_([this] {
          // Nothing of the game runs while a pause is held, not even the clock.
          if (!game_ || clock_.pausing()) return;
          game_->Timer1_Timer();
          view_->update();
      }),
      widthTwips_(view::kWindowWidth),
      heightTwips_(view::kTallestWindowTwips) {
    setWindowTitle(QStringLiteral("KZ ソラワ"));
    platform::Dialogs* dialogs = setup_.dialogs;
    if (dialogs == nullptr) {
        ownDialogs_ = std::make_unique<platform::QtDialogs>(this);
        dialogs = ownDialogs_.get();
    }
    platform::SoundLibrary* sound = setup_.soundLibrary;
    if (sound == nullptr) {
        ownSound_ = std::make_unique<platform::SdlSoundLibrary>();
        sound = ownSound_.get();
    }
    dialogs_ = dialogs;

    view_ = new CanvasWidget(
        canvas_,
        [this](int button, double x, double y) {
            run([&] { game_->Form_MouseDown(button, x, y); });
        },
        this);
    setCentralWidget(view_);
    canvas_.setRepaintListener([this] { view_->repaint(); });

    filePanel_ = new platform::QtFilePanel(
        view_, setup_.recordFolder.empty() ? setup_.folder : setup_.recordFolder);
    view_->onScaleChange = [this](double s) {
        filePanel_->setScale(s);
        // Only a real change of size changes the scale.
        if (!sizing_ && scaling_.follow(s, naturalSize())) scaleMenus();
    };
    filePanel_->onDirectoryChange = [this] { run([this] { game_->recordPanel().Dir1_Change(); }); };
    filePanel_->onFileClick = [this] { run([this] { game_->recordPanel().File1_Click(); }); };
    filePanel_->onReturn = [this] { run([this] { game_->recordPanel().Command1_Click(); }); };
    filePanel_->onCancel = [this] { run([this] { game_->recordPanel().hide(); }); };

    flow::Boundaries outside{canvas_,
                             *dialogs,
                             clock_,
                             timer_,
                             *sound,
                             *this,
                             setup_.folder,
                             filePanel_,
                             setup_.settingsFolder,
                             setup_.keepsRecovery,
                             setup_.systemLanguage};
    outside.guiThread = &guiThread_;
    outside.clipboard = &clipboard_;
    game_ = std::make_unique<flow::Game>(outside);

    list_ = new MoveListView(game_->recordView());
    list_->onChoose = [this](int entry) { run([&] { game_->stepToEntry(entry); }); };
    list_->onRecordChange = [this] { followReview(); };
    listDock_ = new QDockWidget(this);
    listDock_->setObjectName(QStringLiteral("MOVE_LIST_DOCK"));
    listDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    listDock_->setTitleBarWidget(new QWidget(listDock_));  // no title bar: a plain side panel
    graph_ = new ReviewGraph(game_->recordView());
    graph_->onChoose = [this](int entry) { run([&] { game_->stepToEntry(entry); }); };
    // The graph of the review stands under the list.
    auto* listPanel = new QWidget;
    auto* column = new QVBoxLayout(listPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(list_);
    column->addWidget(graph_);
    progress_ = new ReviewProgress(game_->recordView());
    column->addWidget(progress_);
    listDock_->setWidget(listPanel);
    addDockWidget(Qt::RightDockWidgetArea, listDock_);
    listDock_->hide();
    game_->recordView().setRecordListener(list_);
    buildMenus();
    menuFont_ = menuBar()->font();
    menuHeight_ = menuBar()->sizeHint().height();
    if (const QScreen* s = screen()) {
        // The menu bar grows with the scale, so the whole window's height does. The move list
        // beside the game's area is counted in: it is shown unless switched off.
        scaling_.setScale(WindowScaling::initialScale(
            s->availableGeometry(), QSizeF(pixels(view::kWindowWidth) + MoveListView::kWidthPx,
                                           pixels(view::kTallestWindowTwips))));
    }
    scaleMenus();
    applySize(true, true);
}

MainWindow::~MainWindow() {
    timer_.setEnabled(false);
}

void MainWindow::start() {
    run([this] { game_->Form_Load(); });
}

void MainWindow::offerRecovery() {
    run([this] { game_->offerRecovery(); });
}

void MainWindow::buildMenus() {
    // parents[d] holds the rows of depth d.
    std::vector<QWidget*> parents{menuBar()};
    std::map<ExclusiveSet, QActionGroup*> sets;
    for (const MenuRow& row : menuRows()) {
        parents.resize(row.depth + 1);
        QWidget* parent = parents.back();
        const QString caption = platform::translatedQ("Menu", row.caption);
        const Routine routine = row.routine;
        const auto runRoutine = [this, routine] { run([&] { routine(*game_); }); };
        QAction* action;
        if (row.submenu) {
            auto* m = new QMenu(caption, parent);
            if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
                bar->addMenu(m);
            } else {
                static_cast<QMenu*>(parent)->addMenu(m);
            }
            if (routine) connect(m, &QMenu::aboutToShow, this, runRoutine);
            m->setObjectName(QString::fromUtf8(row.name));
            parents.push_back(m);
            action = m->menuAction();
        } else {
            action = new QAction(caption, parent);
            action->setObjectName(QString::fromUtf8(row.name));
            parent->addAction(action);
            connect(action, &QAction::triggered, this, runRoutine);
            if (row.keys != nullptr) action->setShortcut(QKeySequence(QString::fromUtf8(row.keys)));
        }
        if (row.checked) {
            action->setCheckable(true);
            checks_.emplace_back(action, row.checked);
        }
        if (row.set != ExclusiveSet::None) {
            QActionGroup*& set = sets[row.set];
            if (set == nullptr) {
                set = new QActionGroup(this);
                // None ticked is allowed: a settings file may name no background.
                set->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            set->addAction(action);
        }
        captions_.emplace_back(action, row.caption);
    }
    // The time control is asked for in a dialog of the window's own, before the language submenu.
    const char* timeControl = KZ_TEXT("Menu", "持ち時間…");
    auto* option = findChild<QMenu*>(QStringLiteral("OPTION"));
    auto* askTime = new QAction(platform::translatedQ("Menu", timeControl), option);
    askTime->setObjectName(QStringLiteral("TIME_CONTROL"));
    captions_.emplace_back(askTime, timeControl);
    option->insertAction(findChild<QMenu*>(QStringLiteral("LANGUAGE"))->menuAction(), askTime);
    connect(askTime, &QAction::triggered, this, [this] {
        run([this] {
            game_->optionMenu().TIME_CONTROL_Click(
                [this](const record::TimeControl& current) -> std::optional<record::TimeControl> {
                    // The dialog's text and fields take the menus' size, as the message boxes do.
                    TimeControlDialog dialog(current, this);
                    dialog.setFont(WindowScaling::scaledFont(dialog.font(), scaling_.menuStep()));
                    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
                    return dialog.chosen();
                });
        });
    });
    buildEditItems();
    addShareItems(findChild<QMenu*>(QStringLiteral("KIFU")),
                  findChild<QAction*>(QStringLiteral("KIFU_ANALYSE")));
    // The legend is the window's own: the game is not told.
    auto* help = new QMenu(platform::translatedQ("Menu", kHelpCaption), menuBar());
    help->setObjectName(QStringLiteral("HELP"));
    menuBar()->addMenu(help);
    captions_.emplace_back(help->menuAction(), kHelpCaption);
    auto* legend = new QAction(platform::translatedQ("Menu", kLegendCaption), help);
    legend->setObjectName(QStringLiteral("LEGEND"));
    captions_.emplace_back(legend, kLegendCaption);
    help->addAction(legend);
    connect(legend, &QAction::triggered, this, &MainWindow::showLegend);
    sync();
}

void MainWindow::buildEditItems() {
    using E = flow::PositionEditing;
    struct EditItem {
        const char* caption;
        const char* name;
        Routine routine;
    };
    const EditItem items[] = {
        {KZ_TEXT("Menu", "初期配置"), "EDIT_START", editRoutine(&E::editStartPosition)},
        {KZ_TEXT("Menu", "全消去"), "EDIT_CLEAR", editRoutine(&E::editClear)},
        {KZ_TEXT("Menu", "手番"), "EDIT_SIDE", editRoutine(&E::editSideToMove)},
        {KZ_TEXT("Menu", "反転"), "EDIT_FLIP", editRoutine(&E::editFlip)},
        {KZ_TEXT("Menu", "完了"), "EDIT_DONE", editRoutine(&E::editDone)},
        {KZ_TEXT("Menu", "取消"), "EDIT_CANCEL", editRoutine(&E::editCancel)},
    };
    // They stand on the bar between 局面 and 戻.
    QAction* before = findChild<QAction*>(QStringLiteral("REPLAY"));
    for (const EditItem& e : items) {
        auto* a = new QAction(platform::translatedQ("Menu", e.caption), menuBar());
        a->setObjectName(QString::fromUtf8(e.name));
        captions_.emplace_back(a, e.caption);
        menuBar()->insertAction(before, a);
        const Routine routine = e.routine;
        connect(a, &QAction::triggered, this, [this, routine] { run([&] { routine(*game_); }); });
        editItems_.push_back(a);
    }
}

void MainWindow::syncEditMode() {
    const bool editing = game_->positionEditing().editing();
    for (QAction* a : editItems_) a->setVisible(editing);
    for (const char* name : {"TAIKYOKU", "STOP", "KIFU"}) {
        if (auto* m = findChild<QMenu*>(QString::fromUtf8(name)))
            m->menuAction()->setEnabled(!editing);
    }
    for (const char* name : {"REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN"}) {
        if (auto* a = findChild<QAction*>(QString::fromUtf8(name))) a->setEnabled(!editing);
    }
}

void MainWindow::run(const std::function<void()>& event) {
    event();
    sync();
}

void MainWindow::sync() {
    for (const auto& [action, checked] : checks_) action->setChecked(checked(*game_));
    if (legend_ != nullptr && legend_->isVisible())
        legend_->follow(game_->options().pieceSet, scale());
    syncEditMode();
    followListOption();
    // A step that was refused leaves the highlight on the entry still shown.
    list_->followCurrent();
    followReview();
    graph_->update();
    view_->update();
}

void MainWindow::showLegend() {
    if (legend_ == nullptr) legend_ = new LegendWindow(game_->screen().pictures(), this);
    legend_->follow(game_->options().pieceSet, scale());
    legend_->show();
    legend_->raise();
    legend_->activateWindow();
}

std::intptr_t MainWindow::handle() const {
    return static_cast<std::intptr_t>(winId());
}

int MainWindow::listWidth(double scale) const {
    if (!listShown_) return 0;
    // The dock's layout may take a pixel or two more than the separator it reports; the game's
    // area takes what is left over, which never changes its scale (it shows more background).
    constexpr int kSlack = 4;
    return static_cast<int>(std::lround(MoveListView::kWidthPx * scale)) +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this) + kSlack;
}

void MainWindow::fitList(double scale) {
    listDock_->setFixedWidth(static_cast<int>(std::lround(MoveListView::kWidthPx * scale)));
    list_->setScale(scale);
    graph_->setScale(scale);
    progress_->setScale(scale);
}

void MainWindow::followListOption() {
    const bool on = game_->options().moveList;
    if (on == listShown_) return;
    listShown_ = on;
    // The canvas may be laid out while the dock comes or goes: its scale is kept meanwhile.
    sizing_ = true;
    if (on) fitList(scaling_.scale());
    listDock_->setVisible(on);
    sizing_ = false;
    if (on) list_->recordChanged();
    applySize(true, false);
    // A maximised window keeps its size: the list takes its share of it.
    if (isMaximized() || isFullScreen()) fitListToWindow();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!sizing_) fitListToWindow();
}

void MainWindow::fitListToWindow() {
    if (!listShown_) return;
    // The scale the whole window shows the game's area and the list at: a list sized from the
    // canvas's own scale would change that scale in turn.
    const int gap = listWidth(0);  // the dock's gap alone
    fitList(WindowScaling::fitScale(QSizeF(width() - gap, height() - menuBar()->height()),
                                    naturalSize(), MoveListView::kWidthPx));
}

QSize MainWindow::sizeFor(double scale) const {
    const QSizeF natural = naturalSize();
    return QSize(
        static_cast<int>(std::lround(natural.width() * scale)) + listWidth(scale),
        static_cast<int>(std::lround(natural.height() * scale)) + menuBar()->sizeHint().height());
}

void MainWindow::scaleMenus() {
    const std::optional<double> step = scaling_.nextMenuStep();
    if (!step) return;
    if (ownDialogs_) ownDialogs_->setScale(*step);  // message boxes take the menus' size
    const QFont font = WindowScaling::scaledFont(menuFont_, *step);
    const int before = menuBar()->sizeHint().height();
    menuBar()->setFont(font);
    for (QMenu* m : findChildren<QMenu*>()) m->setFont(font);
    // The game's area keeps its size: the window takes the bar's new height.
    const int grown = menuBar()->sizeHint().height() - before;
    if (grown != 0 && !isMaximized() && !isFullScreen()) {
        const bool wasSizing = sizing_;
        sizing_ = true;
        resize(width(), height() + grown);
        sizing_ = wasSizing;
    }
}

QSizeF MainWindow::naturalSize() const {
    // The game's twips count the menu bar at the screen's normal size.
    return QSizeF(pixels(widthTwips_), pixels(heightTwips_) - menuHeight_);
}

void MainWindow::applySize(bool width, bool height) {
    // The scale stays what it is while the window takes its new size; only the player's own
    // resizing changes it.
    sizing_ = true;
    const QSizeF natural = naturalSize();
    if (!isMaximized() && !isFullScreen()) {
        if (listShown_) fitList(scaling_.scale());
        const QSize wanted = sizeFor(scaling_.scale());
        resize(width ? wanted.width() : this->width(), height ? wanted.height() : this->height());
        // A window not shown yet lays out its canvas now, so that presses map at once.
        if (!isVisible() && layout() != nullptr) layout()->activate();
    }
    view_->setNaturalSize(natural);
    // A maximised window keeps its size, so its scale follows the game's new area.
    filePanel_->setScale(isMaximized() || isFullScreen() ? view_->scale() : scaling_.scale());
    sizing_ = false;
}

void MainWindow::setWidthTwips(int width) {
    widthTwips_ = width;
    applySize(true, false);
}

void MainWindow::setHeightTwips(int height) {
    heightTwips_ = height;
    applySize(false, true);
}

bool MainWindow::maximized() const {
    return isMaximized();
}

void MainWindow::moveToTop() {
    move(x(), 0);
}

void MainWindow::quit() {
    if (setup_.quit) {
        setup_.quit();
        return;
    }
    // Queued, so that the program ends once the current event is over even if no loop runs yet.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void MainWindow::setLanguage(lang::Language language) {
    // Qt's own texts: its Japanese translation, or its English one in place of that (both come
    // in one package, so the English one is there whenever the Japanese one is).
    installQtTranslation(language == lang::Language::Japanese ? QStringLiteral("ja")
                                                              : QStringLiteral("en"));
    platform::useLanguage(language);
    // Widgets hear of the change through posted events: they take it now, not after this event.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) captionMenus();
    QMainWindow::changeEvent(event);
}

void MainWindow::captionMenus() {
    for (const auto& [action, caption] : captions_)
        action->setText(platform::translatedQ("Menu", caption));
    followReview();
}

void MainWindow::followReview() {
    if (!game_) return;
    static const char* const kStopCaption = KZ_TEXT("Menu", "解析中止");
    if (auto* item = findChild<QAction*>(QStringLiteral("KIFU_ANALYSE"))) {
        item->setText(game_->recordView().analysing() ? platform::translatedQ("Menu", kStopCaption)
                                                      : platform::translatedQ("Menu", "棋譜解析"));
    }
    if (graph_ != nullptr) graph_->update();
    if (progress_ != nullptr) progress_->follow();
    // The progress stands on the bar under the list, and in the title bar for a window that
    // shows no list.
    const std::string progress = game_->recordView().analysisProgress();
    const QString title = QStringLiteral("KZ ソラワ");
    setWindowTitle(
        progress.empty() ? title : title + QStringLiteral("  ") + QString::fromStdString(progress));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // While a position is set up the keys do nothing but end the program.
    if (game_->positionEditing().editing() && event->key() != Qt::Key_Escape) return;
    // The arrow keys step through the record as 戻 and 進 do.
    if (event->key() == Qt::Key_Left) {
        run([this] { game_->REPLAY_Click(); });
        return;
    }
    if (event->key() == Qt::Key_Right) {
        run([this] { game_->AFTER_Click(); });
        return;
    }
    int key = 0;
    if (event->key() == Qt::Key_Escape) {
        key = flow::kEscapeKey;
    } else if (!event->text().isEmpty()) {
        key = event->text().at(0).unicode();
    } else {
        QMainWindow::keyPressEvent(event);
        return;
    }
    run([&] { game_->Form_KeyPress(key); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A close asked for in the middle of a blink waits, like every other input.
    if (clock_.pausing()) {
        event->ignore();
        return;
    }
    game_->Form_Unload();
    event->accept();
}

}  // namespace app
