#include <QApplication>

#include "app/main_window.h"
#include "app/qt_translation.h"
#include "flow/game.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::installQtTranslation(QStringLiteral("ja"));
    app::MainWindow window;
    window.start();
    if (window.game().shutDown()) return 0;
    window.show();
    return application.exec();
}
