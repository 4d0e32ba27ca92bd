#include "platform/sdl_sound_library.h"

#include "tools/wavegen/wave_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::SdlSoundLibrary;

// A mono 16-bit wave of a quiet tone lasting `seconds`.
std::vector<std::uint8_t> toneWave(double seconds) {
    const int rate = 22050;
    const auto frames = static_cast<std::size_t>(seconds * rate);
    std::vector<std::int16_t> pcm(frames);
    for (std::size_t i = 0; i < frames; ++i)
        pcm[i] = static_cast<std::int16_t>(3000 * std::sin(2 * 3.14159265 * 440 * i / rate));
    return wavegen::waveBytes(pcm, rate);
}

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

class SdlSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);  // tests never make a real sound
        handle = lib.dsInitialize(0);
        ASSERT_NE(handle, 0);
    }
    std::int32_t load(const std::vector<std::uint8_t>& w, int copies) {
        return lib.dsCreateDSB(handle, w.data(), w.size(), copies);
    }
    SdlSoundLibrary lib;
    std::int32_t handle = 0;
};

TEST_F(SdlSoundTest, KeepsItsOwnCopyOfTheWave) {
    std::vector<std::uint8_t> w = toneWave(2.0);
    const std::int32_t id = load(w, 3);
    ASSERT_NE(id, 0);
    std::fill(w.begin(), w.end(), 0xEE);  // the caller's memory is gone after the call
    w.clear();
    w.shrink_to_fit();
    EXPECT_EQ(lib.dsPlay(id), 1);
    EXPECT_TRUE(lib.isPlaying(id));
    EXPECT_EQ(lib.dsStop(id), 1);
    EXPECT_FALSE(lib.isPlaying(id));
}

TEST_F(SdlSoundTest, UnusableDataAndWrongHandlesGiveIdZero) {
    const std::string garbage = "this is not a wave file, only some text bytes";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(garbage.data());
    EXPECT_EQ(lib.dsCreateDSB(handle, bytes, garbage.size(), 3), 0);
    std::vector<std::uint8_t> truncated = toneWave(0.5);
    truncated.resize(20);
    EXPECT_EQ(load(truncated, 3), 0);
    EXPECT_EQ(lib.dsCreateDSB(handle, nullptr, 0, 3), 0);
    const std::vector<std::uint8_t> w = toneWave(0.1);
    EXPECT_EQ(lib.dsCreateDSB(0, w.data(), w.size(), 3), 0);
    EXPECT_EQ(lib.dsCreateDSB(handle + 5, w.data(), w.size(), 3), 0);
}

TEST_F(SdlSoundTest, IdZeroAndUnknownIdsAreHarmlessEverywhere) {
    for (std::int32_t id : {0, 12345, -1}) {
        EXPECT_EQ(lib.dsPlay(id), 0);
        EXPECT_EQ(lib.dsPlayLooping(id), 0);
        EXPECT_EQ(lib.dsStop(id), 0);
        EXPECT_EQ(lib.dsFree(id), 0);
        EXPECT_FALSE(lib.isPlaying(id));
    }
    EXPECT_EQ(lib.dsTerminate(0), 0);
    EXPECT_NE(load(toneWave(0.1), 1), 0);  // the library is still open
}

TEST_F(SdlSoundTest, APlaySoundsOnceAndALoopKeepsGoingUntilStopped) {
    const std::vector<std::uint8_t> w = toneWave(0.05);
    const std::int32_t once = load(w, 3);
    const std::int32_t looped = load(w, 1);
    ASSERT_NE(once, 0);
    ASSERT_NE(looped, 0);
    EXPECT_EQ(lib.dsPlay(once), 1);
    EXPECT_EQ(lib.dsPlayLooping(looped), 1);
    sleepMs(400);
    EXPECT_FALSE(lib.isPlaying(once));
    EXPECT_TRUE(lib.isPlaying(looped));
    lib.dsStop(looped);
    EXPECT_FALSE(lib.isPlaying(looped));
}

TEST_F(SdlSoundTest, CopiesAreChannelsAndABusySoundRestartsAnOldCopy) {
    const std::vector<std::uint8_t> w = toneWave(3.0);
    const std::int32_t a = load(w, 3);
    const std::int32_t one = load(w, 0);
    const std::int32_t many = load(w, 100);
    EXPECT_EQ(lib.channelsOf(a).size(), 3u);
    EXPECT_EQ(lib.channelsOf(one).size(), 1u);
    EXPECT_EQ(lib.channelsOf(many).size(), static_cast<std::size_t>(SdlSoundLibrary::kMaxCopies));

    for (int i = 0; i < 4; ++i) EXPECT_EQ(lib.dsPlay(a), 1) << i;
    EXPECT_TRUE(lib.isPlaying(a));
    EXPECT_FALSE(lib.isPlaying(one));  // another buffer's channel was not taken
    EXPECT_FALSE(lib.isPlaying(many));
}

TEST_F(SdlSoundTest, FreeingReleasesTheBufferAndItsChannels) {
    const std::vector<std::uint8_t> w = toneWave(1.0);
    const std::int32_t a = load(w, 3);
    const std::vector<int> channels = lib.channelsOf(a);
    lib.dsPlay(a);
    EXPECT_EQ(lib.dsFree(a), 1);
    EXPECT_EQ(lib.dsPlay(a), 0);
    EXPECT_EQ(lib.dsFree(a), 0);
    const std::int32_t b = load(w, 3);
    EXPECT_NE(b, a);  // ids are never handed out twice
    std::vector<int> reused = lib.channelsOf(b);
    std::sort(reused.begin(), reused.end());
    EXPECT_EQ(reused, channels);
}

TEST_F(SdlSoundTest, TerminateClosesTheDeviceAndForgetsEveryBuffer) {
    const std::vector<std::uint8_t> w = toneWave(1.0);
    const std::int32_t a = load(w, 3);
    lib.dsPlayLooping(a);
    EXPECT_EQ(lib.dsTerminate(handle), 1);
    EXPECT_EQ(lib.dsPlay(a), 0);
    EXPECT_EQ(load(w, 3), 0);
    EXPECT_EQ(lib.dsTerminate(handle), 0);
    // It can be opened again.
    handle = lib.dsInitialize(0);
    EXPECT_NE(handle, 0);
    EXPECT_NE(load(w, 3), 0);
}

TEST(SdlSoundNoDevice, NoUsableDriverGivesHandleZeroAndNoBuffers) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSoundLibrary lib;
    const std::int32_t handle = lib.dsInitialize(0);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(handle, 0);
    const std::vector<std::uint8_t> w = toneWave(0.1);
    EXPECT_EQ(lib.dsCreateDSB(handle, w.data(), w.size(), 3), 0);
    EXPECT_EQ(lib.dsPlay(0), 0);
    EXPECT_EQ(lib.dsFree(0), 0);
}

}  // namespace
