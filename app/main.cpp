#include <QApplication>

#include "app/main_window.h"
#include "flow/game.h"
#include "platform/translation.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::WindowSetup setup;
    setup.systemLanguage = platform::systemLanguage();
    app::MainWindow window(setup);
    window.start();
    if (window.game().shutDown()) return 0;
    window.show();
    return application.exec();
}
