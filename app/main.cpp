#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/places.h"
#include "app/recovery_lock.h"
#include "flow/game.h"
#include "platform/translation.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    // --help and --version answer without a display, in the system's language.
    const app::CommandLine early = app::readCommandLine(argumentsOf(argc, argv));
    if (early.action == app::CommandLine::Action::Help ||
        early.action == app::CommandLine::Action::Version) {
        QCoreApplication core(argc, argv);
        platform::useLanguage(platform::systemLanguage());
        return app::answerCommandLine(early, name);
    }

    QApplication application(argc, argv);  // takes Qt's own options out of the arguments
    // Until the settings are read, the system's language; the window then sets Qt's own texts
    // with the game's.
    platform::useLanguage(platform::systemLanguage());
    const int status = app::answerCommandLine(app::readCommandLine(argumentsOf(argc, argv)), name);
    if (status >= 0) return status;

    const app::Places places =
        app::findPlaces(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
                        app::currentEnvironment());
    app::WindowSetup setup;
    setup.folder = places.soundFolder;
    setup.settingsFolder = places.settingsFolder;
    setup.recordFolder = places.recordFolder;
    // Every copy, installed or run from its build folder, keeps the game in progress; of copies
    // running at the same time only the first does, so none takes the record from another.
    const app::RecoveryLock recoveryLock(places.settingsFolder);
    setup.keepsRecovery = recoveryLock.held();
    setup.systemLanguage = platform::systemLanguage();
    app::MainWindow window(setup);
    window.start();
    if (window.game().shutDown()) return 0;
    window.show();
    window.offerRecovery();
    if (window.game().shutDown()) return 0;
    return application.exec();
}
