// File names at the edges of what the system takes: the longest name a folder holds, and names
// that carry a NUL byte, which the system would read cut short.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "record/kifu_file.h"
#include "rules/setup.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace record;

class KifuFileNames : public ::testing::Test {
  protected:
    void SetUp() override {
        rules::Position pos;
        rules::layOutStartPosition(pos);
        list[1].boardAt = pos.board;
        list[1].bottomAfter = 12;
        list.lastMove = 1;
    }
    int filesInDir() const { return static_cast<int>(folder.names().size()); }

    testsupport::TempFolder folder;
    const fs::path& dir = folder.path();
    MoveList list;
    const KifuHeaders headers{"名", "先", "後"};
};

TEST_F(KifuFileNames, TheLongestNameAFolderHoldsIsSavedAndLoaded) {
    // 255 bytes: 82 three-byte characters, two letters and the extension's seven bytes.
    std::string name;
    for (int i = 0; i < 82; ++i) name += "局";
    name += std::string("ab") + kKifuExtension;
    ASSERT_EQ(name.size(), 255u);
    const std::string path = (dir / name).string();

    ASSERT_TRUE(save(path, headers, list, 1)) << describe(save(path, headers, list, 1));
    const KifuLoad loaded = load(path);
    ASSERT_TRUE(loaded.status) << describe(loaded.status);
    EXPECT_EQ(loaded.headers, headers);
    ASSERT_EQ(loaded.entries.size(), 1u);
    EXPECT_EQ(loaded.entries[0], list[1]);
    EXPECT_EQ(filesInDir(), 1);

    // One byte more is beyond the system: refused, and nothing is left behind.
    const KifuStatus tooLong = save((dir / ("x" + name)).string(), headers, list, 1);
    EXPECT_EQ(tooLong.error, KifuError::CannotCreate);
    EXPECT_EQ(filesInDir(), 1);
}

TEST_F(KifuFileNames, ANameWithANulByteIsRefusedInsteadOfCutShort) {
    const std::string cut = (dir / "a").string();
    const std::string path = cut + std::string(1, '\0') + "b" + kKifuExtension;

    const KifuStatus saved = save(path, headers, list, 1);
    EXPECT_EQ(saved.error, KifuError::CannotCreate);
    EXPECT_EQ(filesInDir(), 0);  // no file "a" written in its place

    ASSERT_TRUE(save(cut, headers, list, 1));
    const KifuLoad loaded = load(path);  // "a" exists, but is not the file asked for
    EXPECT_EQ(loaded.status.error, KifuError::CannotOpen);
    EXPECT_TRUE(loaded.entries.empty());
}

TEST_F(KifuFileNames, ABareNameIsSavedInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    const KifuStatus saved = save(std::string("局") + kKifuExtension, headers, list, 1);
    fs::current_path(before);
    ASSERT_TRUE(saved) << describe(saved);
    EXPECT_TRUE(fs::exists(dir / (std::string("局") + kKifuExtension)));
    EXPECT_EQ(filesInDir(), 1);
}

}  // namespace
