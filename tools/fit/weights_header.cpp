// The weights' header rewritten with fitted numbers: every constant's numbers are replaced in
// place, so the layout and the comments stay as they are.
#include <regex>
#include <sstream>
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

}  // namespace

std::string rewriteWeightsHeader(const std::string& header, const com::WeightVector<int>& w) {
    static const std::regex kDeclared(R"(constexpr\s.*\b(k\w+)\s*=)");
    static const std::regex kNumber(R"(-?\d+)");
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
        std::smatch m;
        if (open.count == 0 && std::regex_search(code, m, kDeclared)) {
            open = constantNamed(m[1]);
            if (open.count == 0) return "";
            next = open.first;
            from = static_cast<std::size_t>(m.position(0) + m.length(0));
        }
        if (open.count > 0) {
            std::string head = code.substr(0, from), rest = code.substr(from), done;
            for (std::smatch n; std::regex_search(rest, n, kNumber); rest = n.suffix()) {
                if (next >= open.first + open.count) return "";
                done += n.prefix().str() + std::to_string(w[next]);
                written[next++] = true;
            }
            code = head + done + rest;
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
