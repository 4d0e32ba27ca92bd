// The wave files the build writes into the run folder are usable by the game's sound library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sdl_sound_library.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u32At(const std::vector<std::uint8_t>& w, std::size_t at) {
    return w[at] | w[at + 1] << 8 | w[at + 2] << 16 | std::uint32_t(w[at + 3]) << 24;
}

std::int16_t sampleAt(const std::vector<std::uint8_t>& w, std::size_t i) {
    return static_cast<std::int16_t>(w[44 + 2 * i] | w[45 + 2 * i] << 8);
}

class GeneratedWaves : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* dir = std::getenv("KZ_RUN_DIR");
        if (dir == nullptr) GTEST_SKIP() << "KZ_RUN_DIR is not set";
        runDir = dir;
    }
    std::vector<std::uint8_t> wave(const std::string& name) {
        return readAll(fs::u8path(runDir + "/" + name));
    }
    std::string runDir;
};

TEST_F(GeneratedWaves, AllAreMono16BitPcmThatStartAndEndAtZeroAndLoad) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SdlSoundLibrary lib;
    const std::int32_t handle = lib.dsInitialize(0);
    ASSERT_NE(handle, 0);
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav",
                             "BGM.wav", "clock_tick.wav", "time_up.wav"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> w = wave(name);
        ASSERT_GT(w.size(), 44u + 200u);
        EXPECT_EQ(std::memcmp(w.data(), "RIFF", 4), 0);
        EXPECT_EQ(u32At(w, 4), w.size() - 8);
        EXPECT_EQ(u32At(w, 16), 16u);       // plain PCM format chunk
        EXPECT_EQ(w[20] | w[21] << 8, 1);   // PCM
        EXPECT_EQ(w[22] | w[23] << 8, 1);   // mono
        EXPECT_EQ(w[34] | w[35] << 8, 16);  // 16 bits
        EXPECT_EQ(u32At(w, 40), w.size() - 44);
        const std::size_t n = (w.size() - 44) / 2;
        EXPECT_EQ(sampleAt(w, 0), 0);
        EXPECT_EQ(sampleAt(w, n - 1), 0);
        EXPECT_NE(lib.dsCreateDSB(handle, w.data(), w.size(), 3), 0);
    }
}

TEST_F(GeneratedWaves, TheMusicLastsHalfAMinuteAndLoopsWithoutAJump) {
    const std::vector<std::uint8_t> w = wave("BGM.wav");
    ASSERT_GT(w.size(), 44u);
    EXPECT_LT(w.size(), 2u * 1024 * 1024);
    const double seconds = double(w.size() - 44) / 2 / u32At(w, 24);
    EXPECT_GE(seconds, 20.0);
    EXPECT_LE(seconds, 40.0);
    // The step from the last sample back to the first is no bigger than a step inside the piece.
    const std::size_t n = (w.size() - 44) / 2;
    int largestStep = 0;
    for (std::size_t i = 1; i < n; ++i)
        largestStep = std::max(largestStep, std::abs(sampleAt(w, i) - sampleAt(w, i - 1)));
    EXPECT_LE(std::abs(sampleAt(w, 0) - sampleAt(w, n - 1)), largestStep / 10);
}

}  // namespace
