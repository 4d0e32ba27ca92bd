// Texts of the Qt-free layers that the player reads. Each is written in Japanese and marked with
// KZ_TEXT; the layer that shows it passes its translation in.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "lang/language.h"

namespace record {

// The text the player reads for a marked source; without one the source is kept.
using Translation = std::function<std::string(const char* context, const char* source)>;

// `source` through `translation`, or as it is when there is none.
inline std::string textOf(const Translation& translation, const char* context, const char* source) {
    return translation ? translation(context, source) : std::string(source);
}

// Replaces %1, %2, … in `text` by `args` in order, in one pass: a replacement that itself holds
// "%2" stays as it is.
inline std::string fillIn(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::size_t n =
            i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 99;
        if (c == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace record
