#include "app/places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace app {

namespace {

namespace fs = std::filesystem;

// The wave whose presence says that a folder holds the game's sounds.
const char* const kWitnessWave = "BGM.wav";
const char* const kShareFolder = "../share/kzsorawa";
const char* const kConfigFolder = "kzsorawa";

bool holdsWaves(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / kWitnessWave, ec);
}

bool writable(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

std::string text(const fs::path& path) {
    return path.lexically_normal().string();
}

}  // namespace

Places findPlaces(const fs::path& programFolder, const Environment& environment) {
    Places places;
    const fs::path shared = programFolder / kShareFolder;
    if (holdsWaves(programFolder) && writable(programFolder)) {
        const std::string here = text(programFolder);
        places.soundFolder = places.settingsFolder = places.recordFolder = here;
        return places;
    }
    places.installed = true;
    // With the waves in neither place the game carries on without them.
    places.soundFolder = text(holdsWaves(programFolder) ? programFolder : shared);
    // Only an absolute $XDG_CONFIG_HOME counts; otherwise ~/.config.
    const fs::path home = environment.home.empty() ? fs::path("/") : fs::path(environment.home);
    const fs::path configHome = !environment.configHome.empty() && environment.configHome[0] == '/'
                                    ? fs::path(environment.configHome)
                                    : home / ".config";
    const fs::path settings = configHome / kConfigFolder;
    std::error_code ec;
    fs::create_directories(settings, ec);  // a failure shows later as settings not kept
    places.settingsFolder = text(settings);
    places.recordFolder = text(home);
    return places;
}

Environment currentEnvironment() {
    Environment e;
    if (const char* v = std::getenv("XDG_CONFIG_HOME")) e.configHome = v;
    if (const char* v = std::getenv("HOME")) e.home = v;
    if (e.home.empty()) {
        if (const passwd* user = ::getpwuid(::getuid())) e.home = user->pw_dir;
    }
    return e;
}

}  // namespace app
