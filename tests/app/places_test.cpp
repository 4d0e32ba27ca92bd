// Where the program finds its sounds and keeps the player's files: beside itself when run from
// its build folder, in the installed share folder and the user's folders otherwise.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QSysInfo>
#include <filesystem>

#include "app/places.h"
#include "app/recovery_lock.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(Places, BesideTheProgramWhenItsFolderHoldsTheWavesAndIsWritable) {
    testsupport::TempFolder run;
    run.write("BGM.wav", "RIFF");
    const app::Places p = app::findPlaces(run.path(), {"/nowhere/config", "/nowhere"});
    EXPECT_FALSE(p.installed);
    EXPECT_EQ(p.soundFolder, run.path().string());
    EXPECT_EQ(p.settingsFolder, run.path().string());
    EXPECT_EQ(p.recordFolder, run.path().string());
}

TEST(Places, InstalledTheSettingsGoToTheUsersConfigurationFolder) {
    testsupport::TempFolder prefix;
    fs::create_directories(prefix.path() / "bin");
    fs::create_directories(prefix.path() / "share/kzsorawa");
    prefix.write("share/kzsorawa/BGM.wav", "RIFF");
    const fs::path home = prefix.path() / "home";
    const fs::path bin = prefix.path() / "bin";

    // $XDG_CONFIG_HOME when it is set (and absolute), ~/.config otherwise; made on first run.
    const struct {
        std::string configHome;
        fs::path settings;
    } rows[] = {
        {(prefix.path() / "xdg").string(), prefix.path() / "xdg/kzsorawa"},
        {"", home / ".config/kzsorawa"},
        {"relative", home / ".config/kzsorawa"},
    };
    for (const auto& row : rows) {
        const app::Places p = app::findPlaces(bin, {row.configHome, home.string()});
        EXPECT_TRUE(p.installed) << row.configHome;
        EXPECT_EQ(p.soundFolder, (prefix.path() / "share/kzsorawa").string());
        EXPECT_EQ(p.settingsFolder, row.settings.string()) << row.configHome;
        EXPECT_TRUE(fs::is_directory(row.settings)) << row.configHome;
        EXPECT_EQ(p.recordFolder, home.string());
    }

    // A program folder with the waves that may not be written to keeps its sounds there and
    // its settings with the user.
    prefix.write("bin/BGM.wav", "RIFF");
    ::chmod(bin.c_str(), 0555);
    const app::Places readOnly = app::findPlaces(bin, {"", home.string()});
    ::chmod(bin.c_str(), 0755);
    if (::geteuid() != 0) {  // root writes everywhere
        EXPECT_TRUE(readOnly.installed);
        EXPECT_EQ(readOnly.soundFolder, bin.string());
        EXPECT_EQ(readOnly.settingsFolder, (home / ".config/kzsorawa").string());
    }
}

// Of copies running on one settings folder only the first keeps the recovery record; the lock
// goes with it, and one left by a copy that was killed is taken over.
TEST(RecoveryLock, OnlyTheFirstRunningCopyKeepsTheRecord) {
    testsupport::TempFolder settings;
    const std::string folder = settings.path().string();
    {
        const app::RecoveryLock first(folder);
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(app::RecoveryLock(folder).held());
    }
    EXPECT_TRUE(app::RecoveryLock(folder).held());
    settings.write(app::kRecoveryLockName,
                   "2147483000\nkzsorawa\n" + QSysInfo::machineHostName().toStdString() + "\n");
    EXPECT_TRUE(app::RecoveryLock(folder).held());
}

}  // namespace
