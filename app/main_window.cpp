#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "app/qt_translation.h"
#include "flow/game.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_file_panel.h"
#include "platform/sdl_sound_library.h"
#include "platform/translation.h"
#include "view/layout.h"

namespace app {

namespace {

// The share of the screen's free area the window may take when it opens, leaving room for the
// frame the window system puts round it.
constexpr double kScreenShare = 0.94;
// The menus' font grows with the scale up to four times; a new quarter step is taken once the
// scale is this far from the present one.
constexpr double kLargestMenuScale = 4;
constexpr double kMenuStepMargin = 0.175;

double pixels(int twips) {
    return twips / platform::kTwipsPerPixel;
}

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
        // A window sized in whole pixels fits the game's area a fraction of a pixel off its
        // scale; only a real change of size changes the scale.
        const QSizeF natural = naturalSize();
        if (!sizing_ && std::abs(s - scale_) * std::max(natural.width(), natural.height()) >= 1) {
            scale_ = s;
            scaleMenus();
        }
    };
    filePanel_->onDirectoryChange = [this] { run([this] { game_->Dir1_Change(); }); };
    filePanel_->onFileClick = [this] { run([this] { game_->File1_Click(); }); };
    filePanel_->onReturn = [this] { run([this] { game_->Command1_Click(); }); };

    game_ = std::make_unique<flow::Game>(flow::Boundaries{
        canvas_, *dialogs, clock_, timer_, *sound, *this, setup_.folder, filePanel_,
        setup_.settingsFolder, setup_.keepsRecovery, setup_.systemLanguage});

    list_ = new MoveListView(*game_);
    list_->onChoose = [this](int entry) { run([&] { game_->stepToEntry(entry); }); };
    listDock_ = new QDockWidget(this);
    listDock_->setObjectName(QStringLiteral("MOVE_LIST_DOCK"));
    listDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    listDock_->setTitleBarWidget(new QWidget(listDock_));  // no title bar: a plain side panel
    listDock_->setWidget(list_);
    addDockWidget(Qt::RightDockWidgetArea, listDock_);
    listDock_->hide();
    game_->setRecordListener(list_);
    buildMenus();
    menuFont_ = menuBar()->font();
    menuHeight_ = menuBar()->sizeHint().height();
    scale_ = initialScale();
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
    QMenuBar* bar = menuBar();
    using G = flow::Game;

    QMenu* taikyoku = menu(bar, KZ_TEXT("Menu", "対局"), "TAIKYOKU");
    connect(taikyoku, &QMenu::aboutToShow, this,
            [this] { run([this] { game_->TAIKYOKU_Click(); }); });
    item(taikyoku, KZ_TEXT("Menu", "対局(人間)"), "MATCH_MAN", &G::MATCH_MAN_Click);
    item(taikyoku, KZ_TEXT("Menu", "対局(COM)"), "START2", &G::START2_Click);
    QMenu* level = menu(taikyoku, KZ_TEXT("Menu", "COM対局ﾚﾍﾞﾙ"), "LEVEL");
    item(level, "LEVEL1", "LEVEL1", &G::LEVEL1_Click, true);
    item(level, "LEVEL2", "LEVEL2", &G::LEVEL2_Click, true);
    item(level, "LEVEL3", "LEVEL3", &G::LEVEL3_Click, true);
    item(level, "LEVEL4", "LEVEL4", &G::LEVEL4_Click, true);
    item(taikyoku, KZ_TEXT("Menu", "終わり"), "OWARI", &G::OWARI_Click);
    item(taikyoku, KZ_TEXT("Menu", "ヒント"), "HINT", &G::HINT_Click);

    QMenu* stop = menu(bar, KZ_TEXT("Menu", "局面"), "STOP");
    connect(stop, &QMenu::aboutToShow, this, [this] { run([this] { game_->STOP_Click(); }); });
    item(stop, KZ_TEXT("Menu", "最初"), "CANCEL", &G::CANCEL_Click);
    item(stop, KZ_TEXT("Menu", "反転"), "REVERSE", &G::REVERSE_Click);
    buildEditItems(stop);

    item(bar, KZ_TEXT("Menu", "戻"), "REPLAY", &G::REPLAY_Click);
    item(bar, KZ_TEXT("Menu", "進"), "AFTER", &G::AFTER_Click);
    item(bar, "△", "LBEL_UP", &G::LBEL_UP_Click);
    item(bar, "▽", "LEBEL_DOWN", &G::LEBEL_DOWN_Click);

    QMenu* kifu = menu(bar, KZ_TEXT("Menu", "棋譜"), "KIFU");
    item(kifu, KZ_TEXT("Menu", "読込"), "KIFU_READ", &G::KIFU_READ_Click);
    item(kifu, KZ_TEXT("Menu", "書込"), "KIFU_WRITE", &G::KIFU_WRITE_Click);

    QMenu* option = menu(bar, KZ_TEXT("Menu", "ｵﾌﾟｼｮﾝ"), "OPTION");
    connect(option, &QMenu::aboutToShow, this, [this] { run([this] { game_->OPTION_Click(); }); });
    QMenu* haikei = menu(option, KZ_TEXT("Menu", "背景画"), "HAIKEI_GA");
    item(haikei, KZ_TEXT("Menu", "緑"), "MIDORI", &G::MIDORI_Click, true);
    item(haikei, KZ_TEXT("Menu", "畳"), "TATAMI", &G::TATAMI_Click, true);
    item(haikei, KZ_TEXT("Menu", "竹"), "TAKE", &G::TAKE_Click, true);
    item(haikei, KZ_TEXT("Menu", "宇宙"), "UCHU", &G::UCHU_Click, true);
    item(haikei, KZ_TEXT("Menu", "煉瓦"), "RENGA", &G::RENGA_Click, true);
    item(option, KZ_TEXT("Menu", "移動指導"), "SIDOU", &G::SIDOU_Click, true);
    item(option, KZ_TEXT("Menu", "経過時間"), "KEIKA", &G::KEIKA_Click, true);
    item(option, KZ_TEXT("Menu", "中国側持駒OK"), "CHESS_MOCHIKOMA", &G::CHESS_MOCHIKOMA_Click,
         true);
    item(option, "BGM", "BGM", &G::BGM_Click, true);
    item(option, KZ_TEXT("Menu", "棋譜一覧"), "MOVE_LIST", &G::MOVE_LIST_Click, true);
    // Each reader finds the language submenu, and each language by its own name.
    QMenu* language = menu(option, "言語 / Language", "LANGUAGE");
    item(language, "日本語", "JAPANESE", &G::JAPANESE_Click, true);
    item(language, "English", "ENGLISH", &G::ENGLISH_Click, true);

    item(bar, KZ_TEXT("Menu", "その他"), "VER", &G::VER_Click);
    sync();
}

void MainWindow::buildEditItems(QMenu* positionMenu) {
    using G = flow::Game;
    QMenuBar* bar = menuBar();
    item(positionMenu, KZ_TEXT("Menu", "局面編集"), "EDIT_POSITION", &G::editPosition);
    editItems_ = {
        item(bar, KZ_TEXT("Menu", "初期配置"), "EDIT_START", &G::editStartPosition),
        item(bar, KZ_TEXT("Menu", "全消去"), "EDIT_CLEAR", &G::editClear),
        item(bar, KZ_TEXT("Menu", "手番"), "EDIT_SIDE", &G::editSideToMove),
        item(bar, KZ_TEXT("Menu", "反転"), "EDIT_FLIP", &G::editFlip),
        item(bar, KZ_TEXT("Menu", "完了"), "EDIT_DONE", &G::editDone),
        item(bar, KZ_TEXT("Menu", "取消"), "EDIT_CANCEL", &G::editCancel),
    };
}

void MainWindow::syncEditMode() {
    const bool editing = game_->editing();
    for (QAction* a : editItems_) a->setVisible(editing);
    for (const char* name : {"TAIKYOKU", "STOP", "KIFU"}) {
        if (auto* m = findChild<QMenu*>(QString::fromUtf8(name)))
            m->menuAction()->setEnabled(!editing);
    }
    for (const char* name : {"REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN"}) {
        if (auto* a = findChild<QAction*>(QString::fromUtf8(name))) a->setEnabled(!editing);
    }
}

QMenu* MainWindow::menu(QWidget* parent, const char* caption, const char* name) {
    auto* m = new QMenu(platform::translatedQ("Menu", caption), parent);
    m->setObjectName(QString::fromUtf8(name));
    captions_.emplace_back(m->menuAction(), caption);
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        bar->addMenu(m);
    } else {
        static_cast<QMenu*>(parent)->addMenu(m);
    }
    return m;
}

QAction* MainWindow::item(QWidget* parent, const char* caption, const char* name, Routine routine,
                          bool checkable) {
    auto* a = new QAction(platform::translatedQ("Menu", caption), parent);
    a->setObjectName(QString::fromUtf8(name));
    captions_.emplace_back(a, caption);
    a->setCheckable(checkable);
    parent->addAction(a);
    connect(a, &QAction::triggered, this, [this, routine] { run([&] { ((*game_).*routine)(); }); });
    return a;
}

void MainWindow::run(const std::function<void()>& event) {
    event();
    sync();
}

void MainWindow::sync() {
    const settings::Options& o = game_->options();
    const flow::GameState& s = game_->state();
    auto tick = [this](const char* name, bool on) {
        if (auto* a = findChild<QAction*>(QString::fromUtf8(name))) a->setChecked(on);
    };
    tick("MIDORI", o.checkedBackground == settings::kMidori);
    tick("TATAMI", o.checkedBackground == settings::kTatami);
    tick("TAKE", o.checkedBackground == settings::kTake);
    tick("UCHU", o.checkedBackground == settings::kUchu);
    tick("RENGA", o.checkedBackground == settings::kRenga);
    tick("SIDOU", o.guidance);
    tick("KEIKA", o.elapsedTime);
    tick("CHESS_MOCHIKOMA", o.chineseDrops);
    tick("BGM", o.music);
    tick("LEVEL1", s.checkedLevel == 1);
    tick("LEVEL2", s.checkedLevel == 2);
    tick("LEVEL3", s.checkedLevel == 3);
    tick("LEVEL4", s.checkedLevel == 4);
    tick("JAPANESE", game_->language() == platform::Language::Japanese);
    tick("ENGLISH", game_->language() == platform::Language::English);
    tick("MOVE_LIST", o.moveList);
    syncEditMode();
    followListOption();
    // A step that was refused leaves the highlight on the entry still shown.
    list_->followCurrent();
    view_->update();
}

std::intptr_t MainWindow::handle() const {
    return static_cast<std::intptr_t>(winId());
}

double MainWindow::initialScale() const {
    const QScreen* s = screen();
    if (s == nullptr) return 1;
    const QRect free = s->availableGeometry();
    // The menu bar grows with the scale, so the whole window's height does.
    // The move list beside the game's area is counted in: it is shown unless switched off.
    const double fit = std::min(
        free.width() * kScreenShare / (pixels(view::kWindowWidth) + MoveListView::kWidthPx),
        free.height() * kScreenShare / pixels(view::kTallestWindowTwips));
    return std::max(1.0, std::floor(fit * 4) / 4);
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
}

void MainWindow::followListOption() {
    const bool on = game_->options().moveList;
    if (on == listShown_) return;
    listShown_ = on;
    // The canvas may be laid out while the dock comes or goes: its scale is kept meanwhile.
    sizing_ = true;
    if (on) fitList(scale_);
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
    const QSizeF natural = naturalSize();
    const int gap = listWidth(0);  // the dock's gap alone
    const double s = std::min((width() - gap) / (natural.width() + MoveListView::kWidthPx),
                              (height() - menuBar()->height()) / natural.height());
    fitList(std::max(s, 0.25));
}

QSize MainWindow::sizeFor(double scale) const {
    const QSizeF natural = naturalSize();
    return QSize(
        static_cast<int>(std::lround(natural.width() * scale)) + listWidth(scale),
        static_cast<int>(std::lround(natural.height() * scale)) + menuBar()->sizeHint().height());
}

void MainWindow::scaleMenus() {
    // Quarter steps from 1 to 4, moved only by a clear change of scale: the bar's own change of
    // height changes the canvas's scale a little, and must not set the steps swinging.
    const double wanted = std::clamp(std::round(scale_ * 4) / 4, 1.0, kLargestMenuScale);
    if (wanted == menuScale_ || std::abs(scale_ - menuScale_) < kMenuStepMargin) return;
    menuScale_ = wanted;
    QFont font = menuFont_;
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * wanted);
    } else {
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * wanted)));
    }
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
        if (listShown_) fitList(scale_);
        const QSize wanted = sizeFor(scale_);
        resize(width ? wanted.width() : this->width(), height ? wanted.height() : this->height());
        // A window not shown yet lays out its canvas now, so that presses map at once.
        if (!isVisible() && layout() != nullptr) layout()->activate();
    }
    view_->setNaturalSize(natural);
    // A maximised window keeps its size, so its scale follows the game's new area.
    filePanel_->setScale(isMaximized() || isFullScreen() ? view_->scale() : scale_);
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

void MainWindow::setLanguage(platform::Language language) {
    // Qt's own texts: its Japanese translation, or its English one in place of that (both come
    // in one package, so the English one is there whenever the Japanese one is).
    installQtTranslation(language == platform::Language::Japanese ? QStringLiteral("ja")
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
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // While a position is set up the keys do nothing but end the program.
    if (game_->editing() && event->key() != Qt::Key_Escape) return;
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
