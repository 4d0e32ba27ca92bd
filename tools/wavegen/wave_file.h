// Writing a mono 16-bit PCM wave file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wavegen {

// The whole file: RIFF header, "fmt " chunk and "data" chunk, little-endian.
std::vector<std::uint8_t> waveBytes(const std::vector<std::int16_t>& pcm, int rate);

// Writes the file; false when it could not be written completely.
bool writeWave(const std::string& path, const std::vector<std::int16_t>& pcm, int rate);

}  // namespace wavegen
