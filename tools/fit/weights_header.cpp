// The weights' header rewritten with fitted numbers: every constant's numbers are replaced in
// place, so the layout and the comments stay as they are.
#include <cctype>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "tools/fit/fit.h"

namespace fit {
namespace {

namespace slot = com::slot;

constexpr const char* kTopComment =
    "// The weights of the look-ahead levels' position score, in hundredths of a 歩. Written by\n"
    "// tools/fit/fit-weights from the results of self-play games: run it again rather than edit\n"
    "// them by hand.\n";

// The first slot of a constant and how many it has; count 0 when no weight has that name.
struct Constant {
    int first = 0, count = 0;
};
Constant constantNamed(const std::string& name) {
    Constant c;
    for (int s = 0; s < slot::count; ++s) {
        const std::string n = com::weightName(s);
        if (n == name || n.rfind(name + "[", 0) == 0) {
            if (c.count == 0) c.first = s;
            ++c.count;
        }
    }
    return c;
}

bool isWordChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '_';
}

// The name a line declares ("constexpr ... kName =") and where its value starts, after the "=";
// an empty name when the line declares none.
struct Declared {
    std::string name;
    std::size_t valueAt = 0;
};
Declared declaredOn(const std::string& code) {
    const std::size_t c = code.find("constexpr");
    if (c == std::string::npos || c + 9 >= code.size() ||
        std::isspace(static_cast<unsigned char>(code[c + 9])) == 0) {
        return {};
    }
    const std::size_t eq = code.find('=', c + 9);
    if (eq == std::string::npos) return {};
    std::size_t end = eq;
    while (end > c && std::isspace(static_cast<unsigned char>(code[end - 1])) != 0) --end;
    std::size_t begin = end;
    while (begin > c && isWordChar(code[begin - 1])) --begin;
    if (begin == end || code[begin] != 'k') return {};
    return {code.substr(begin, end - begin), eq + 1};
}

// The next whole number in text from `from` on (a minus sign right before its digits included):
// where it starts and its length, or npos.
std::pair<std::size_t, std::size_t> nextNumber(const std::string& text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        const bool minus = text[i] == '-' && i + 1 < text.size() &&
                           std::isdigit(static_cast<unsigned char>(text[i + 1])) != 0;
        if (!minus && std::isdigit(static_cast<unsigned char>(text[i])) == 0) continue;
        std::size_t j = i + 1;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])) != 0) ++j;
        return {i, j - i};
    }
    return {std::string::npos, 0};
}

}  // namespace

std::string rewriteWeightsHeader(const std::string& header, const com::WeightVector<int>& w) {
    std::istringstream in(header);
    std::string out = kTopComment;
    std::vector<bool> written(slot::count, false);
    Constant open;  // the constant whose numbers are being replaced
    int next = 0;   // its next slot
    bool leading = true;
    for (std::string line; std::getline(in, line);) {
        if (leading && line.rfind("//", 0) == 0) continue;  // the old top comment
        leading = false;
        const std::size_t commentAt = line.find("//");
        std::string code = line.substr(0, commentAt);
        const std::string comment = commentAt == std::string::npos ? "" : line.substr(commentAt);
        std::size_t from = 0;
        if (open.count == 0) {
            const Declared d = declaredOn(code);
            if (!d.name.empty()) {
                open = constantNamed(d.name);
                if (open.count == 0) return "";
                next = open.first;
                from = d.valueAt;
            }
        }
        if (open.count > 0) {
            std::string done = code.substr(0, from);
            std::size_t at = from;
            for (auto [start, length] = nextNumber(code, at); start != std::string::npos;
                 std::tie(start, length) = nextNumber(code, at)) {
                if (next >= open.first + open.count) return "";
                done += code.substr(at, start - at) + std::to_string(w[next]);
                written[next++] = true;
                at = start + length;
            }
            code = done + code.substr(at);
            if (code.find(';') != std::string::npos) open = Constant{};
        }
        out += code + comment + "\n";
    }
    for (bool b : written) {
        if (!b) return "";
    }
    return out;
}

}  // namespace fit
