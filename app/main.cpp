#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/places.h"
#include "app/qt_translation.h"
#include "flow/game.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    // --help and --version answer without a display.
    const app::CommandLine early = app::readCommandLine(argumentsOf(argc, argv));
    if (early.action == app::CommandLine::Action::Help ||
        early.action == app::CommandLine::Action::Version)
        return app::answerCommandLine(early, name);

    QApplication application(argc, argv);  // takes Qt's own options out of the arguments
    app::installQtTranslation(QStringLiteral("ja"));
    const int status = app::answerCommandLine(app::readCommandLine(argumentsOf(argc, argv)), name);
    if (status >= 0) return status;

    const app::Places places =
        app::findPlaces(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
                        app::currentEnvironment());
    app::WindowSetup setup;
    setup.folder = places.soundFolder;
    setup.settingsFolder = places.settingsFolder;
    setup.recordFolder = places.recordFolder;
    // A run from the build folder behaves as it always has; an installed game is never lost.
    setup.keepsRecovery = places.installed;
    app::MainWindow window(setup);
    window.start();
    if (window.game().shutDown()) return 0;
    window.show();
    window.offerRecovery();
    if (window.game().shutDown()) return 0;
    return application.exec();
}
