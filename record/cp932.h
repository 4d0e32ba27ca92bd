// Text conversion between UTF-8 (the program's own strings) and CP932 (the Japanese code page
// of the game-record and settings files).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace record {

// UTF-8 to CP932. Nothing when the text is not valid UTF-8 or holds a character CP932 lacks.
std::optional<std::string> toCp932(std::string_view utf8);

// CP932 to UTF-8. Nothing when the bytes are not valid CP932 text.
std::optional<std::string> fromCp932(std::string_view cp932);

}  // namespace record
