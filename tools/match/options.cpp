// kz-match's command line.
#include <charconv>
#include <string>

#include "com/com_state.h"
#include "tools/match/match.h"

namespace match {
namespace {

template <typename T>
bool number(const std::string& text, T& value, T low, T high) {
    T v{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < low || v > high) {
        return false;
    }
    value = v;
    return true;
}

}  // namespace

std::string usage() {
    return "usage: kz-match [--a LEVEL] [--b LEVEL] [--nodes-a N] [--nodes-b N] [--games N]\n"
           "                [--drops on|off] [--seed S] [--random-plies K] [--jobs J]\n"
           "  LEVEL 1..5 (defaults: A 4, B 3); --nodes-a/-b: the node budget of a look-ahead\n"
           "  level (default: the level's own); N games in pairs from one opening (default 2);\n"
           "  K random plies open each pair (default 4); J games at once (default 1).\n";
}

std::optional<MatchOptions> parseOptions(const std::vector<std::string>& args) {
    MatchOptions o;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        bool ok = false;
        if (name == "--a") {
            ok = number(value, o.levelA, com::kMinLevel, com::kMaxLevel);
        } else if (name == "--b") {
            ok = number(value, o.levelB, com::kMinLevel, com::kMaxLevel);
        } else if (name == "--nodes-a") {
            ok = number(value, o.nodesA, 1L, 1'000'000'000L);
        } else if (name == "--nodes-b") {
            ok = number(value, o.nodesB, 1L, 1'000'000'000L);
        } else if (name == "--games") {
            ok = number(value, o.games, 1, 1000000);
        } else if (name == "--drops") {
            ok = value == "on" || value == "off";
            o.drops = value == "on";
        } else if (name == "--seed") {
            ok = number(value, o.seed, 0ULL, ~0ULL);
        } else if (name == "--random-plies") {
            ok = number(value, o.randomPlies, 0, kMaxPlies);
        } else if (name == "--jobs") {
            ok = number(value, o.jobs, 1, 256);
        }
        if (!ok) return std::nullopt;
    }
    return o;
}

}  // namespace match
