#include "wave_file.h"

#include <fstream>

namespace wavegen {

std::vector<std::uint8_t> waveBytes(const std::vector<std::int16_t>& pcm, int rate) {
    std::vector<std::uint8_t> w;
    w.reserve(44 + pcm.size() * 2);
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](std::uint16_t v) {
        w.push_back(static_cast<std::uint8_t>(v & 0xFF));
        w.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<std::uint8_t>(t[i]));
    };
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    tag("RIFF");
    u32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    u32(16);  // size of the format chunk
    u16(1);   // PCM
    u16(1);   // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate) * 2);  // bytes per second
    u16(2);                                     // bytes per frame
    u16(16);                                    // bits per sample
    tag("data");
    u32(dataBytes);
    for (std::int16_t s : pcm) u16(static_cast<std::uint16_t>(s));
    return w;
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& pcm, int rate) {
    const std::vector<std::uint8_t> bytes = waveBytes(pcm, rate);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace wavegen
