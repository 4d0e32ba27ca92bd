#include "settings/sounds.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/gui/fake_sound_library.h"

namespace {

namespace fs = std::filesystem;
using settings::Sound;
using settings::Sounds;
using testsupport::FakeSoundLibrary;

struct Box {
    std::string text, title;
    platform::Icon icon;
};

class RecordingDialogs : public platform::Dialogs {
  public:
    std::vector<Box> boxes;
    platform::Answer show(const std::string& text, const std::string& title, platform::Buttons,
                          platform::Icon icon) override {
        boxes.push_back({text, title, icon});
        return platform::Answer::Ok;
    }
};

const char* const kNames[6] = {"その他.wav",       "禁止.wav", "駒打音.wav",
                               "中国将棋打音.wav", "消滅.wav", "BGM.wav"};

class SoundsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kz_sounds_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
               std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Each file holds its own name, so the bytes handed to the library tell which file it was.
    void writeAll() {
        for (const char* n : kNames) write(n, n);
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(fs::u8path(dir.string() + "/" + name), std::ios::binary) << bytes;
    }

    fs::path dir;
    FakeSoundLibrary lib;
    RecordingDialogs dialogs;
};

TEST_F(SoundsTest, LoadsTheSixWavesInOrderWithTheirCopyCounts) {
    writeAll();
    Sounds s(lib, dialogs, dir.string());
    s.startUp(42);

    ASSERT_EQ(lib.calls.size(), 7u);
    EXPECT_EQ(lib.calls[0].name, "dsInitialize");
    EXPECT_EQ(lib.calls[0].arg, 42);
    for (int i = 0; i < 6; ++i) {
        const auto& c = lib.calls[1 + i];
        EXPECT_EQ(c.name, "dsCreateDSB");
        EXPECT_EQ(c.arg, FakeSoundLibrary::kHandle);
        EXPECT_EQ(std::string(c.wave.begin(), c.wave.end()), kNames[i]);
        EXPECT_EQ(c.copies, i == 5 ? 1 : 3) << kNames[i];
        EXPECT_EQ(s.id(static_cast<Sound>(i)), FakeSoundLibrary::kFirstId + i);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(s.handle(), FakeSoundLibrary::kHandle);
}

TEST_F(SoundsTest, WithoutADeviceWarnsOnceAndEveryLaterCallUsesIdZero) {
    writeAll();
    lib.noDevice = true;
    Sounds s(lib, dialogs, dir.string());
    s.startUp(1);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(dialogs.boxes[0].title, "KZソラワ.dll");
    EXPECT_EQ(dialogs.boxes[0].icon, platform::Icon::Warning);
    EXPECT_TRUE(lib.argsOf("dsCreateDSB").empty());

    s.play(Sound::禁止);
    s.loop(Sound::BGM);
    s.stop(Sound::BGM);
    s.駒移動音(rules::自歩);
    s.終了処理();
    EXPECT_EQ(lib.argsOf("dsPlay"), (std::vector<std::int64_t>{0, 0}));
    EXPECT_EQ(lib.argsOf("dsPlayLooping"), (std::vector<std::int64_t>{0}));
    EXPECT_EQ(lib.argsOf("dsStop"), (std::vector<std::int64_t>{0}));
    EXPECT_EQ(lib.argsOf("dsFree"), (std::vector<std::int64_t>(6, 0)));
    EXPECT_TRUE(lib.argsOf("dsTerminate").empty());
}

TEST_F(SoundsTest, AMissingFileIsSilentlyIdZeroAndAnUnreadableOneIsReported) {
    writeAll();
    fs::remove(fs::u8path(dir.string() + "/BGM.wav"));
    fs::remove(fs::u8path(dir.string() + "/禁止.wav"));
    fs::create_directory(fs::u8path(dir.string() + "/禁止.wav"));  // exists, but cannot be read
    Sounds s(lib, dialogs, dir.string());
    s.startUp(1);

    EXPECT_EQ(s.id(Sound::BGM), 0);
    EXPECT_EQ(s.id(Sound::禁止), 0);
    EXPECT_NE(s.id(Sound::その他), 0);
    EXPECT_NE(s.id(Sound::消滅), 0);
    EXPECT_EQ(lib.argsOf("dsCreateDSB").size(), 4u);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "KZソラワ.dll");
    EXPECT_EQ(dialogs.boxes[0].icon, platform::Icon::Warning);
    EXPECT_FALSE(dialogs.boxes[0].text.empty());

    // Switching the music on and off still calls the library, harmlessly with id 0.
    s.loop(Sound::BGM);
    s.stop(Sound::BGM);
    EXPECT_EQ(lib.argsOf("dsPlayLooping"), (std::vector<std::int64_t>{0}));
    EXPECT_EQ(lib.argsOf("dsStop"), (std::vector<std::int64_t>{0}));
}

TEST_F(SoundsTest, PieceMoveSoundPicksVanishChineseOrShogiClack) {
    writeAll();
    Sounds s(lib, dialogs, dir.string());
    s.startUp(1);
    const std::int64_t vanish = s.id(Sound::消滅);
    const std::int64_t chinese = s.id(Sound::中国将棋打音);
    const std::int64_t shogi = s.id(Sound::駒打音);

    std::vector<std::int64_t> expected;
    s.駒移動音(rules::空);
    expected.push_back(vanish);
    for (int k = 1; k <= rules::kind::count; ++k) {
        const bool chineseKind = k == rules::kind::卒 || k == rules::kind::車 ||
                                 k == rules::kind::馬 || k == rules::kind::象 ||
                                 k == rules::kind::砲 || k == rules::kind::将;
        for (int sign : {-1, 1}) {
            s.駒移動音(sign * k);
            expected.push_back(chineseKind ? chinese : shogi);
        }
    }
    EXPECT_EQ(lib.argsOf("dsPlay"), expected);
    // The advisor is the one Chinese piece that sounds like wood.
    lib.calls.clear();
    s.駒移動音(rules::敵士);
    s.駒移動音(rules::自士);
    EXPECT_EQ(lib.argsOf("dsPlay"), (std::vector<std::int64_t>{shogi, shogi}));
}

TEST_F(SoundsTest, ShutdownFreesAllSixInLoadOrderThenTerminates) {
    writeAll();
    fs::remove(fs::u8path(dir.string() + "/中国将棋打音.wav"));
    Sounds s(lib, dialogs, dir.string());
    s.startUp(1);
    lib.calls.clear();
    s.終了処理();

    ASSERT_EQ(lib.calls.size(), 7u);
    EXPECT_EQ(lib.argsOf("dsFree"), (std::vector<std::int64_t>{101, 102, 103, 0, 104, 105}));
    EXPECT_EQ(lib.calls.back().name, "dsTerminate");
    EXPECT_EQ(lib.calls.back().arg, FakeSoundLibrary::kHandle);
}

}  // namespace
