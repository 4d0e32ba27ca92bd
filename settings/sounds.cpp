#include "settings/sounds.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace settings {

namespace {

const char* const kLibraryTitle = "KZソラワ.dll";

struct WaveFile {
    const char* name;
    std::int32_t copies;
};

// Load order, which is also the order of the Sound enumeration and of freeing.
constexpr WaveFile kWaves[6] = {
    {"その他.wav", 3},       {"禁止.wav", 3}, {"駒打音.wav", 3},
    {"中国将棋打音.wav", 3}, {"消滅.wav", 3}, {"BGM.wav", 1},
};

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

void Sounds::起動(std::intptr_t windowHandle) {
    handle_ = library_.dsInitialize(windowHandle);
    if (handle_ == 0) warn("Direct Soundインターフェースが作成できません。");
    for (int i = 0; i < 6; ++i) ids_[i] = loadWave(kWaves[i].name, kWaves[i].copies);
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
    for (int i = 0; i < 6; ++i) {
        library_.dsFree(ids_[i]);
        ids_[i] = 0;
    }
    if (handle_ != 0) library_.dsTerminate(handle_);
    handle_ = 0;
}

std::int32_t Sounds::loadWave(const std::string& fileName, std::int32_t copies) {
    if (handle_ == 0) return 0;
    const std::filesystem::path path = std::filesystem::u8path(folder_ + "/" + fileName);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return 0;  // a missing sound is silently silent

    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) {
        in.seekg(0, std::ios::end);
        const std::streamoff length = in.tellg();
        in.seekg(0, std::ios::beg);
        if (length >= 0) {
            bytes.resize(static_cast<std::size_t>(length));
            in.read(reinterpret_cast<char*>(bytes.data()), length);
        }
    }
    if (!in) {
        const int err = errno;
        warn(err != 0 ? std::strerror(err) : fileName + ": 読み込めません");
        return 0;
    }
    return library_.dsCreateDSB(handle_, bytes.data(), bytes.size(), copies);
}

void Sounds::warn(const std::string& text) {
    dialogs_.show(text, kLibraryTitle, platform::Buttons::Ok, platform::Icon::Warning);
}

}  // namespace settings
