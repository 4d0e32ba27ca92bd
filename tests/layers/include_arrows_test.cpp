// Layers point down only: every `#include "folder/..."` in the code folders must be an arrow of
// this table. A folder may always include its own headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each code folder and the folders it may include. lang/ (the player's language and the mark on
// texts) is the floor every layer stands on; rules/, com/ and the record codec stay free of
// platform/, and settings/ never reaches up into view/.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"app", {"flow", "view", "settings", "record", "com", "rules", "platform", "lang"}},
    {"flow", {"view", "settings", "record", "com", "rules", "platform", "lang"}},
    {"view", {"settings", "record", "rules", "platform", "lang"}},
    {"settings", {"record", "rules", "platform", "lang"}},
    {"record", {"rules", "lang"}},
    {"com", {"rules", "lang"}},
    {"rules", {"lang"}},
    {"platform", {"lang"}},
    {"lang", {}},
    // The engine, the match runner and the sound generator use the core; the icon painter the
    // pictures of view/.
    {"tools", {"com", "record", "rules", "view", "lang"}},
    {"bench", {"com", "record", "rules", "tools", "lang"}},
};

// The first folder of a line's `#include "folder/..."`, or "" when the line is no such include.
std::string includedFolder(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return "";
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return "";
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || line[i] != '"') return "";
    const std::size_t slash = line.find_first_of("/\"", i + 1);
    if (slash == std::string::npos || line[slash] != '/') return "";
    return line.substr(i + 1, slash - i - 1);
}

TEST(IncludeArrows, EveryIncludeOfTheCodeFoldersPointsDown) {
    const fs::path root(KZ_SOURCE_DIR);
    std::vector<std::string> wrong;
    int checked = 0;
    for (const auto& [folder, targets] : kAllowed) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << folder;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& file = entry.path();
            if (file.extension() != ".cpp" && file.extension() != ".h") continue;
            std::ifstream in(file);
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                const std::string to = includedFolder(line);
                if (to.empty()) continue;
                ++checked;
                // Only the project's own folders are arrows; other quoted paths are not ours.
                if (to == folder || !fs::is_directory(root / to) || targets.count(to) > 0) continue;
                wrong.push_back(fs::relative(file, root).string() + ":" + std::to_string(n) + ": " +
                                folder + " -> " + to);
            }
        }
    }
    EXPECT_GT(checked, 100) << "the walk found almost no includes";
    for (const std::string& w : wrong) ADD_FAILURE() << "an arrow the layers do not allow: " << w;
}

}  // namespace
