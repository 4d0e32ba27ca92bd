// Where the program finds its sounds and keeps the player's files, decided once at start-up.
//
// Run from its build folder (the waves beside the program, the folder writable) everything stays
// beside the program as it always has. Installed, the waves are in ../share/kzsorawa, the
// settings file and the recovery record in the user's configuration folder, and records start
// in the user's home folder.
#pragma once

#include <filesystem>
#include <string>

namespace app {

struct Places {
    std::string soundFolder;     // the six wave files
    std::string settingsFolder;  // the settings file and the recovery record
    std::string recordFolder;    // where the file panel first opens
    bool installed = false;
};

// What the places depend on besides the program's folder: $XDG_CONFIG_HOME and $HOME (empty
// when unset).
struct Environment {
    std::string configHome;
    std::string home;
};

// The places for a program in `programFolder`. An installed program's settings folder
// ($XDG_CONFIG_HOME/kzsorawa, ~/.config/kzsorawa when unset) is made if it is missing.
Places findPlaces(const std::filesystem::path& programFolder, const Environment& environment);

// The environment of this process.
Environment currentEnvironment();

}  // namespace app
