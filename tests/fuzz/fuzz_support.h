// What the fuzz targets share: a private folder for the files they write, whole-file reads and
// writes, and a check that stops the run with a message the fuzzer keeps beside the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A folder of this process's own (see fuzz_support.cpp for where), made on first use and
// removed with everything in it when the process ends.
const std::string& sandbox();

// Replaces the file at `path` with exactly these bytes; false when that failed.
bool writeFile(const std::string& path, std::string_view bytes);

// The whole file, or nothing (an empty string) when it cannot be read.
std::string readFile(const std::string& path);

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> filesIn(const std::string& folder);

// The input as text.
inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Prints what was expected and where, then aborts so the fuzzer saves the input.
[[noreturn]] void failed(const char* what, const char* file, int line);

}  // namespace fuzz

#define FUZZ_CHECK(cond) ((cond) ? static_cast<void>(0) : ::fuzz::failed(#cond, __FILE__, __LINE__))
