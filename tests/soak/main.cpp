// kz-soak: thousands of seeded random games through the game controller with the fake window
// around it, checking after every event that nothing is lost, duplicated or out of range.
//
//   kz-soak --seed 1 --games 10000        a run
//   kz-soak --seed 1 --game 4711 --verbose one game again, every event printed as it happens
//
// Each game is replayed exactly by its seed and number. The exit status is 1 when any game
// failed; every failure prints the seed, the game number, what was wrong and the whole list of
// events with the message boxes they raised.
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "soak/events.h"
#include "soak/invariants.h"
#include "soak/player.h"
#include "soak/random.h"
#include "soak/soak_rig.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

struct Options {
    std::uint64_t seed = 1;
    long first = 1;
    long games = 100;
    int maxEvents = 0;  // 0: each game's own
    bool verbose = false;
    bool brief = false;   // a failed game prints its faults only, not its events
    int maxFailures = 5;  // games printed in full before the run stops
};

// Where the run is, for a crash report written from a signal handler.
char crashNote[256] = "kz-soak: crashed before the first game\n";

void writeCrashNote() {
    const ssize_t ignored = ::write(2, crashNote, std::strlen(crashNote));
    (void)ignored;
}

#if defined(__SANITIZE_ADDRESS__)
void installCrashNote() {
    // The sanitizer reports the fault itself; the note follows its report.
    __sanitizer_set_death_callback(writeCrashNote);
}
#else
void onCrash(int sig) {
    writeCrashNote();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void installCrashNote() {
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS}) std::signal(sig, onCrash);
}
#endif

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](long& out) {
            if (i + 1 >= argc) return false;
            char* end = nullptr;
            out = std::strtol(argv[++i], &end, 10);
            return end != nullptr && *end == '\0';
        };
        long v = 0;
        if (a == "--seed" && value(v)) {
            o.seed = static_cast<std::uint64_t>(v);
        } else if (a == "--games" && value(v) && v >= 0) {
            o.games = v;
        } else if (a == "--first" && value(v) && v >= 1) {
            o.first = v;
        } else if (a == "--game" && value(v) && v >= 1) {
            o.first = v;
            o.games = 1;
        } else if (a == "--max-events" && value(v) && v >= 1) {
            o.maxEvents = static_cast<int>(v);
        } else if (a == "--max-failures" && value(v) && v >= 1) {
            o.maxFailures = static_cast<int>(v);
        } else if (a == "--verbose") {
            o.verbose = true;
        } else if (a == "--brief") {
            o.brief = true;
        } else {
            std::fprintf(stderr,
                         "usage: kz-soak [--seed S] [--games N] [--first G | --game G] "
                         "[--max-events M] [--max-failures K] [--verbose | --brief]\n");
            return false;
        }
    }
    return true;
}

struct Totals {
    long games = 0;
    long events = 0;
    long failedGames = 0;
    long programEnds = 0;
    long longestRecord = 0;
    std::map<std::string, long> boxes;  // by title and text
};

void printBoxes(const soak::SoakRig& rig, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        const soak::AutoDialogs::Box& b = rig.dialogs.shown[i];
        std::string text = b.text;
        for (char& c : text)
            if (c == '\r') c = '|';
        std::printf("        box \"%s\" [%s] -> %s\n", text.c_str(), b.title.c_str(),
                    soak::answerName(b.answer));
    }
}

// Plays one game; true when every check held.
bool playGame(const Options& o, long number, Totals& totals) {
    soak::Random random(soak::gameSeed(o.seed, static_cast<std::uint64_t>(number)));
    soak::Style style = soak::Style::pick(random);
    if (o.maxEvents > 0) style.maxEvents = o.maxEvents;
    soak::SoakRig rig(random.next());
    soak::Player player(random, style);

    std::vector<soak::Event> events;
    std::vector<std::size_t> boxStart;
    std::vector<std::string> faults;

    char styleText[200];
    std::snprintf(styleText, sizeof styleText,
                  "style: %d events, kings spared %.3f, captures %.2f, wild presses %.2f, "
                  "computer %.2f, wander %.2f",
                  style.maxEvents, style.avoidKingCapture, style.preferCapture, style.wildPress,
                  style.computer, style.wander);
    if (o.verbose) std::printf("game %ld %s\n", number, styleText);

    rig.leaveSettingsFile(random);
    rig.game->Form_Load();
    soak::Checker checker(rig);
    for (int i = 0; i < style.maxEvents && !rig.game->shutDown(); ++i) {
        std::snprintf(crashNote, sizeof crashNote,
                      "kz-soak: crashed in game %ld of seed %llu at event %d; replay with "
                      "kz-soak --seed %llu --game %ld --verbose\n",
                      number, static_cast<unsigned long long>(o.seed), i,
                      static_cast<unsigned long long>(o.seed), number);
        const soak::Event e = player.next(rig);
        events.push_back(e);
        boxStart.push_back(rig.dialogs.shown.size());
        if (o.verbose) {
            std::printf("%5d %s\n", i, soak::describe(e).c_str());
            std::fflush(stdout);
        }
        checker.before(rig);
        try {
            soak::apply(rig, e);
            faults = checker.after(rig, e);
        } catch (const std::exception& x) {
            faults.push_back(std::string("exception: ") + x.what());
        }
        if (o.verbose) {
            printBoxes(rig, boxStart.back(), rig.dialogs.shown.size());
            const flow::GameState& s = rig.game->state();
            const record::MoveList& m = rig.game->moves();
            std::printf(
                "        side %d, game mode %d, record mode %d, resume %d, entry %d of %d, "
                "bottom army %d\n",
                s.sideToMove, static_cast<int>(s.gameMode), s.kifuMode, s.resumePending,
                m.currentMove, m.lastMove, rig.game->position().bottomSide);
        }
        const int reached = rig.game->moves().lastMove;
        if (reached > totals.longestRecord) totals.longestRecord = reached;
        if (!faults.empty()) break;
    }
    if (faults.empty() && rig.game->shutDown()) {
        ++totals.programEnds;
        faults = checker.atEnd(rig);
    }

    ++totals.games;
    totals.events += static_cast<long>(events.size());
    // Boxes naming a file are counted without the game's own folder.
    const std::string folder = rig.folder.path().string() + "/";
    for (const soak::AutoDialogs::Box& b : rig.dialogs.shown) {
        std::string text = b.text;
        for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder))
            text.erase(at, folder.size());
        ++totals.boxes["[" + b.title + "] " + text];
    }
    if (faults.empty()) return true;

    ++totals.failedGames;
    std::printf("FAILED: seed %llu game %ld after event %zu of %zu\n",
                static_cast<unsigned long long>(o.seed), number, events.size() - 1, events.size());
    for (const std::string& f : faults) std::printf("    %s\n", f.c_str());
    std::printf("  %s\n", styleText);
    std::printf("  replay: kz-soak --seed %llu --game %ld --verbose\n",
                static_cast<unsigned long long>(o.seed), number);
    if (!o.verbose && !o.brief) {
        std::printf("  events:\n");
        for (std::size_t i = 0; i < events.size(); ++i) {
            std::printf("    %4zu %s\n", i, soak::describe(events[i]).c_str());
            const std::size_t end =
                i + 1 < events.size() ? boxStart[i + 1] : rig.dialogs.shown.size();
            printBoxes(rig, boxStart[i], end);
        }
    }
    std::fflush(stdout);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) return 2;
    installCrashNote();

    Totals totals;
    const auto start = std::chrono::steady_clock::now();
    for (long g = o.first; g < o.first + o.games; ++g) {
        playGame(o, g, totals);
        if (totals.failedGames >= o.maxFailures) {
            std::printf("stopping after %ld failed games\n", totals.failedGames);
            break;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf(
        "kz-soak: seed %llu, games %ld..%ld: %ld games, %ld events, %.1f s "
        "(%.1f ms a game), %ld failed, %ld ended the program, longest record %ld moves\n",
        static_cast<unsigned long long>(o.seed), o.first, o.first + totals.games - 1, totals.games,
        totals.events, seconds, totals.games > 0 ? 1000 * seconds / totals.games : 0.0,
        totals.failedGames, totals.programEnds, totals.longestRecord);
    if (o.verbose || o.games >= 100) {
        std::printf("message boxes shown:\n");
        for (const auto& [box, count] : totals.boxes) {
            std::string line = box;
            for (char& c : line)
                if (c == '\r') c = '|';
            std::printf("  %7ld  %s\n", count, line.c_str());
        }
    }
    return totals.failedGames == 0 ? 0 : 1;
}
