// The computer's search on the engine's position, without playing its move.
#include <ostream>

#include "com/choose_move.h"
#include "tools/engine/commands.h"

namespace engine {
namespace {

// Scores are printed with four decimals.
class FixedScore {
  public:
    explicit FixedScore(std::ostream& out) : out_(out), flags_(out.flags()), precision_(4) {
        precision_ = out.precision(4);
        out.setf(std::ios::fixed, std::ios::floatfield);
    }
    ~FixedScore() {
        out_.flags(flags_);
        out_.precision(precision_);
    }

  private:
    std::ostream& out_;
    std::ios::fmtflags flags_;
    std::streamsize precision_;
};

// Writes one line per evaluation the search makes (for the look-ahead levels, one per root move).
class EvalPrinter : public com::SearchObserver {
  public:
    explicit EvalPrinter(std::ostream& out) : out_(out) {}
    void evaluated(int fx, int fy, int tx, int ty, rules::PieceCode p, double s) override {
        out_ << "eval " << fx << ' ' << fy << ' ' << tx << ' ' << ty << ' ' << p << ' ' << s
             << '\n';
    }
    // A score the look-ahead only bounds from above is marked "atmost".
    void rootScored(int fx, int fy, int tx, int ty, rules::PieceCode p, double s,
                    bool atMost) override {
        out_ << "eval " << fx << ' ' << fy << ' ' << tx << ' ' << ty << ' ' << p << ' ' << s
             << (atMost ? " atmost\n" : "\n");
    }

  private:
    std::ostream& out_;
};

com::SearchSettings settingsOf(const EngineState& state) {
    com::SearchSettings settings;
    settings.comLevel = state.level;
    settings.chineseDrops = state.drops;
    settings.nodes = state.nodes;
    return settings;
}

void printBest(std::ostream& out, bool found, const com::ComMove& m, double score) {
    if (!found) {
        out << "bestmove none\n";
        return;
    }
    out << "bestmove " << m.fromX << ' ' << m.fromY << ' ' << m.toX << ' ' << m.toY << ' '
        << m.before << ' ' << m.after << " score " << score << '\n';
}

// The computer's choice for the top army: a survey of the position as it stands, then the
// search; the position is as before afterwards.
void search(EngineState& state, std::ostream& out, com::SearchObserver* observer) {
    // The search leaves its scratch promotion code behind; the position itself is restored.
    const rules::PieceCode promotedCode = state.pos.promotedCode;
    const bool found =
        com::chooseMove(state.pos, state.map, state.comState, settingsOf(state), observer);
    state.pos.promotedCode = promotedCode;
    printBest(out, found, state.comState.best, state.comState.bestScore);
}

Answer go(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("go takes no arguments");
    const FixedScore fixed(out);
    search(state, out, nullptr);
    return Answer::ok();
}

Answer candidates(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("candidates takes no arguments");
    const FixedScore fixed(out);
    EvalPrinter printer(out);
    search(state, out, &printer);
    return Answer::ok();
}

// The hint for the bottom army, as the game's hint finds it: the computer's choice on the position
// turned round, in this position's own coordinates. Nothing of the engine's state changes.
Answer hint(EngineState& state, std::string_view args, std::ostream& out) {
    if (!splitWords(args).empty()) return Answer::fail("hint takes no arguments");
    const FixedScore fixed(out);
    const com::Choice c =
        com::chooseMoveForSide(state.pos, state.pos.bottomSide, settingsOf(state));
    printBest(out, c.found, c.move, c.score);
    return Answer::ok();
}

}  // namespace

void addComCommands(CommandTable& table) {
    table.add("go", go);
    table.add("candidates", candidates);
    table.add("hint", hint);
}

}  // namespace engine
