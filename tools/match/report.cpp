// The lines kz-match prints: one per game, the totals per army, and the result with its Elo.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/match/match.h"

namespace match {
namespace {

struct Totals {
    int wins = 0, draws = 0, losses = 0;
    void add(Outcome o) {
        if (o == Outcome::Win) ++wins;
        if (o == Outcome::Draw) ++draws;
        if (o == Outcome::Loss) ++losses;
    }
    int games() const { return wins + draws + losses; }
    double score() const { return games() == 0 ? 0 : (wins + 0.5 * draws) / games(); }
};

double points(Outcome o) {
    return o == Outcome::Win ? 1 : o == Outcome::Draw ? 0.5 : 0;
}

// The logistic Elo difference of a score, kept finite for a clean sweep: the score is held half
// a game away from 0 and 1.
double elo(double score, int games) {
    const double edge = games > 0 ? 0.5 / games : 0.5;
    const double s = std::clamp(score, edge, 1 - edge);
    return -400 * std::log10(1 / s - 1);
}

std::string format(const char* fmt, auto... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

std::string totalsText(const Totals& t) {
    return format("%d-%d-%d score %.1f%%", t.wins, t.draws, t.losses, 100 * t.score());
}

}  // namespace

std::string gameLine(int index, const GameResult& r) {
    const char* outcome = r.outcome == Outcome::Win    ? "win"
                          : r.outcome == Outcome::Draw ? "draw"
                                                       : "loss";
    return format("game %d: %s %s plies %d", index + 1, r.aIsShogi ? "A-shogi" : "A-chinese",
                  outcome, r.plies);
}

std::string summaryLines(const std::vector<GameResult>& results) {
    Totals shogi, chinese, all;
    for (const GameResult& r : results) {
        (r.aIsShogi ? shogi : chinese).add(r.outcome);
        all.add(r.outcome);
    }
    // The margin comes from the spread of the pairs' scores: a pair shares its opening.
    std::vector<double> pairs;
    for (std::size_t i = 0; i < results.size(); i += 2) {
        const bool both = i + 1 < results.size();
        const double sum = points(results[i].outcome) + (both ? points(results[i + 1].outcome) : 0);
        pairs.push_back(sum / (both ? 2 : 1));
    }
    const double n = static_cast<double>(pairs.size());
    double mean = 0;
    for (double p : pairs) mean += p / n;
    double variance = 0;
    for (double p : pairs) variance += (p - mean) * (p - mean);
    variance = pairs.size() > 1 ? variance / (n - 1) : 0;
    const double spread = 1.96 * std::sqrt(variance / std::max(n, 1.0));
    const int games = all.games();
    const double e = elo(all.score(), games) + 0.0;  // never "-0.0"
    const double margin = (elo(all.score() + spread, games) - elo(all.score() - spread, games)) / 2;

    std::string out;
    out += "A-shogi: " + totalsText(shogi) + "\n";
    out += "A-chinese: " + totalsText(chinese) + "\n";
    out += "result " + totalsText(all) + format(" elo %.1f +/- %.1f", e, margin) + "\n";
    return out;
}

}  // namespace match
