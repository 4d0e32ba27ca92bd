#include "settings/sounds.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/gui/fake_sound_library.h"
#include "support/gui/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using settings::Sound;
using settings::Sounds;
using testsupport::FakeSoundLibrary;
using testsupport::ScriptedDialogs;
using testsupport::TempFolder;

const char* const kNames[6] = {"その他.wav",       "禁止.wav", "駒打音.wav",
                               "中国将棋打音.wav", "消滅.wav", "BGM.wav"};
const char* const kTitle = "KZソラワ.dll";

class SoundsTest : public ::testing::Test {
  protected:
    // Each file holds its own name, so the bytes handed to the library tell which file it was.
    void writeAll() {
        for (const char* n : kNames) folder.write(n, n);
    }
    std::string dir() const { return folder.path().string(); }

    TempFolder folder;
    FakeSoundLibrary lib;
    ScriptedDialogs dialogs;
};

TEST_F(SoundsTest, LoadsTheSixWavesInOrderWithTheirCopyCounts) {
    writeAll();
    Sounds s(lib, dialogs, dir());
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
    EXPECT_EQ(s.handle(), FakeSoundLibrary::kHandle);
}

TEST_F(SoundsTest, WithoutADeviceWarnsOnceAndEveryLaterCallUsesIdZero) {
    writeAll();
    lib.noDevice = true;
    dialogs.expect("Direct Soundインターフェースが作成できません。", kTitle);
    Sounds s(lib, dialogs, dir());
    s.startUp(1);

    dialogs.verify();
    EXPECT_EQ(dialogs.shown.at(0).icon, platform::Icon::Warning);
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
    fs::remove(folder.path() / "BGM.wav");
    fs::remove(folder.path() / "禁止.wav");
    fs::create_directory(folder.path() / "禁止.wav");  // exists, but cannot be read
    // The warning carries the system's own description of the failed read.
    dialogs.expect(std::strerror(EISDIR), kTitle);
    Sounds s(lib, dialogs, dir());
    s.startUp(1);

    EXPECT_EQ(s.id(Sound::BGM), 0);
    EXPECT_EQ(s.id(Sound::禁止), 0);
    EXPECT_NE(s.id(Sound::その他), 0);
    EXPECT_NE(s.id(Sound::消滅), 0);
    EXPECT_EQ(lib.argsOf("dsCreateDSB").size(), 4u);
    dialogs.verify();
    EXPECT_EQ(dialogs.shown.at(0).icon, platform::Icon::Warning);

    // Switching the music on and off still calls the library, harmlessly with id 0.
    s.loop(Sound::BGM);
    s.stop(Sound::BGM);
    EXPECT_EQ(lib.argsOf("dsPlayLooping"), (std::vector<std::int64_t>{0}));
    EXPECT_EQ(lib.argsOf("dsStop"), (std::vector<std::int64_t>{0}));
}

TEST_F(SoundsTest, PieceMoveSoundPicksVanishChineseOrShogiClack) {
    writeAll();
    Sounds s(lib, dialogs, dir());
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
    fs::remove(folder.path() / "中国将棋打音.wav");
    Sounds s(lib, dialogs, dir());
    s.startUp(1);
    lib.calls.clear();
    s.終了処理();

    ASSERT_EQ(lib.calls.size(), 7u);
    EXPECT_EQ(lib.argsOf("dsFree"), (std::vector<std::int64_t>{101, 102, 103, 0, 104, 105}));
    EXPECT_EQ(lib.calls.back().name, "dsTerminate");
    EXPECT_EQ(lib.calls.back().arg, FakeSoundLibrary::kHandle);
}

// The clock's two sounds come only when a timed game asks for them, once, and go after the six.
TEST_F(SoundsTest, TheClockSoundsAreLoadedOnceWhenAskedForAndFreedLast) {
    writeAll();
    folder.write("clock_tick.wav", "clock_tick.wav");
    folder.write("time_up.wav", "time_up.wav");
    Sounds s(lib, dialogs, dir());
    s.startUp(1);
    lib.calls.clear();
    s.loadClockSounds();
    s.loadClockSounds();
    ASSERT_EQ(lib.argsOf("dsCreateDSB").size(), 2u);
    EXPECT_EQ(std::string(lib.calls[1].wave.begin(), lib.calls[1].wave.end()), "time_up.wav");
    s.play(Sound::ClockTick);
    EXPECT_EQ(lib.argsOf("dsPlay"), std::vector<std::int64_t>{107});
    lib.calls.clear();
    s.終了処理();
    EXPECT_EQ(lib.argsOf("dsFree"),
              (std::vector<std::int64_t>{101, 102, 103, 104, 105, 106, 107, 108}));
}

}  // namespace
