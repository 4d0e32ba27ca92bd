// The match: games shared among threads, lines written in game order.
#include "tools/match/match.h"

#include <atomic>
#include <exception>
#include <fstream>
#include <mutex>
#include <ostream>
#include <thread>

namespace match {

std::vector<GameResult> playMatch(const MatchOptions& o, std::ostream& out,
                                  std::ostream* positions) {
    std::vector<GameResult> results(static_cast<std::size_t>(o.games));
    std::vector<bool> done(results.size(), false);
    std::atomic<int> next{0};
    std::mutex lock;
    std::size_t printed = 0;
    std::exception_ptr failure;

    const auto worker = [&] {
        for (int i = next++; i < o.games; i = next++) {
            GameResult r;
            try {
                r = playGame(o, i);
            } catch (...) {
                const std::lock_guard<std::mutex> guard(lock);
                if (!failure) failure = std::current_exception();
                next = o.games;
                return;
            }
            const std::lock_guard<std::mutex> guard(lock);
            results[static_cast<std::size_t>(i)] = r;
            done[static_cast<std::size_t>(i)] = true;
            while (printed < results.size() && done[printed]) {
                out << gameLine(static_cast<int>(printed), results[printed]) << std::endl;
                if (positions) {
                    for (const std::string& line : results[printed].samples)
                        *positions << line << '\n';
                    positions->flush();
                    results[printed].samples.clear();
                }
                ++printed;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    if (failure) std::rethrow_exception(failure);
    return results;
}

int runMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<MatchOptions> options = parseOptions(args);
    if (!options) {
        err << usage();
        return 2;
    }
    std::ofstream positions;
    if (!options->positionsFile.empty()) {
        positions.open(options->positionsFile);
        if (!positions) {
            err << "kz-match: cannot write " << options->positionsFile << '\n';
            return 1;
        }
    }
    try {
        out << summaryLines(playMatch(*options, out, positions.is_open() ? &positions : nullptr))
            << std::flush;
    } catch (const std::exception& e) {
        err << "kz-match: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace match
