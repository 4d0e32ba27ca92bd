#include "settings/sounds.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/translation.h"

namespace settings {

namespace {

const char* const kLibraryTitle = "KZソラワ.dll";

struct WaveFile {
    const char* name;
    std::int32_t copies;
};

// Load order, which is also the order of the Sound enumeration and of freeing; the first six
// are loaded at start-up.
constexpr int kStartUpWaves = 6;
constexpr int kAllWaves = 8;
constexpr WaveFile kWaves[kAllWaves] = {
    {"その他.wav", 3}, {"禁止.wav", 3}, {"駒打音.wav", 3},     {"中国将棋打音.wav", 3},
    {"消滅.wav", 3},   {"BGM.wav", 1},  {"clock_tick.wav", 3}, {"time_up.wav", 3},
};

// A wave file larger than this is refused rather than read into memory.
constexpr std::size_t kMaxWaveBytes = 64u << 20;

bool isChineseSound(rules::PieceCode code) {
    switch (rules::magnitude(code)) {
        case rules::kind::卒:
        case rules::kind::車:
        case rules::kind::馬:
        case rules::kind::象:
        case rules::kind::砲:
        case rules::kind::将:
            return true;
        default:
            return false;  // every shogi piece, and the advisor, clacks like wood
    }
}

}  // namespace

Sounds::Sounds(platform::SoundLibrary& library, platform::Dialogs& dialogs, std::string folder)
    : library_(library), dialogs_(dialogs), folder_(std::move(folder)) {}

void Sounds::startUp(std::intptr_t windowHandle) {
    handle_ = library_.dsInitialize(windowHandle);
    if (handle_ == 0)
        warn(platform::translated("Sounds", "Direct Soundインターフェースが作成できません。"));
    for (int i = 0; i < kStartUpWaves; ++i) ids_[i] = loadWave(kWaves[i].name, kWaves[i].copies);
}

void Sounds::loadClockSounds() {
    if (clockSoundsLoaded_) return;
    clockSoundsLoaded_ = true;
    for (int i = kStartUpWaves; i < kAllWaves; ++i)
        ids_[i] = loadWave(kWaves[i].name, kWaves[i].copies);
}

void Sounds::play(Sound s) {
    library_.dsPlay(id(s));
}
void Sounds::loop(Sound s) {
    library_.dsPlayLooping(id(s));
}
void Sounds::stop(Sound s) {
    library_.dsStop(id(s));
}

void Sounds::駒移動音(rules::PieceCode code) {
    if (code == rules::空)
        play(Sound::消滅);
    else if (isChineseSound(code))
        play(Sound::中国将棋打音);
    else
        play(Sound::駒打音);
}

void Sounds::終了処理() {
    const int loaded = clockSoundsLoaded_ ? kAllWaves : kStartUpWaves;
    for (int i = 0; i < loaded; ++i) {
        library_.dsFree(ids_[i]);
        ids_[i] = 0;
    }
    clockSoundsLoaded_ = false;
    if (handle_ != 0) library_.dsTerminate(handle_);
    handle_ = 0;
}

std::int32_t Sounds::loadWave(const std::string& fileName, std::int32_t copies) {
    if (handle_ == 0) return 0;
    const std::filesystem::path path = std::filesystem::u8path(folder_ + "/" + fileName);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return 0;  // a missing sound is silently silent

    // Read in pieces until the end: the length a stream reports is not trusted (a directory, a
    // pipe), and a read error carries the system's own description.
    std::vector<std::uint8_t> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    int err = f == nullptr ? errno : 0;
    if (f != nullptr) {
        std::uint8_t chunk[65536];
        for (;;) {
            const std::size_t got = std::fread(chunk, 1, sizeof chunk, f);
            bytes.insert(bytes.end(), chunk, chunk + got);
            if (got < sizeof chunk) break;
            if (bytes.size() > kMaxWaveBytes) {
                err = EFBIG;
                break;
            }
        }
        if (err == 0 && std::ferror(f)) err = errno != 0 ? errno : EIO;
        std::fclose(f);
    }
    if (err != 0) {
        warn(std::strerror(err));
        return 0;
    }
    return library_.dsCreateDSB(handle_, bytes.data(), bytes.size(), copies);
}

void Sounds::warn(const std::string& text) {
    dialogs_.show(text, kLibraryTitle, platform::Buttons::Ok, platform::Icon::Warning);
}

}  // namespace settings
