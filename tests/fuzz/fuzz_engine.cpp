// The engine's command reader on arbitrary bytes.
//
// The bytes are the engine's input, one command per line, run as the engine runs them. After
// every command:
//  - the answer ends with exactly one closing line, "ok" or "error <text>", and a refused
//    command writes nothing else and leaves the state as it was;
//  - the position holds only empty squares and the 42 piece codes (the unused row and column of
//    the board stay empty), hand counts are never negative, the sides and the winner are sides,
//    and the bottom king's square is on the board or unset;
//  - the commands that only look (legal, survey, mate, go, candidates) leave the board and the
//    hands as they were;
//  - a move played is answered with the entry line of the new position.
// Only the first two searches (go, candidates, hint, analyse) of an input are run, each on a small
// node budget, so every input stays fast; the later ones, and an analyse asking for more nodes
// than that budget, are skipped.
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "com/com_state.h"
#include "record/entry_line.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/engine/commands.h"

namespace {

using rules::Position;

constexpr int kMaxSearches = 2;
constexpr int kMaxCommands = 64;
constexpr long kSearchNodes = 5'000;

bool validSide(rules::SideId s) {
    return s == rules::SENTE || s == rules::GOTE;
}

void checkPosition(const Position& pos) {
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const rules::PieceCode c = pos.board.sq[x][y];
            if (rules::Board::onBoard(x, y))
                FUZZ_CHECK(rules::isValidCode(c));
            else
                FUZZ_CHECK(c == rules::空);
        }
    }
    FUZZ_CHECK(pos.ownHand[0] == 0 && pos.enemyHand[0] == 0);
    for (int k = 1; k <= rules::kHandSize; ++k)
        FUZZ_CHECK(pos.ownHand[k] >= 0 && pos.enemyHand[k] >= 0);
    FUZZ_CHECK(validSide(pos.bottomSide) && pos.topSide == -pos.bottomSide);
    FUZZ_CHECK(pos.winnerSide == 0 || validSide(pos.winnerSide));
    FUZZ_CHECK((pos.ownKingX == 0 && pos.ownKingY == 0) ||
               rules::Board::onBoard(pos.ownKingX, pos.ownKingY));
}

bool sameGame(const engine::EngineState& a, const engine::EngineState& b) {
    return a.pos.board == b.pos.board && a.pos.ownHand == b.pos.ownHand &&
           a.pos.enemyHand == b.pos.enemyHand && a.pos.ownHandTotal == b.pos.ownHandTotal &&
           a.pos.enemyHandTotal == b.pos.enemyHandTotal && a.pos.bottomSide == b.pos.bottomSide &&
           a.pos.winnerSide == b.pos.winnerSide && a.pos.ownKingX == b.pos.ownKingX &&
           a.pos.ownKingY == b.pos.ownKingY && a.level == b.level && a.drops == b.drops;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The command word as the engine reads it: line ends dropped, everything up to the first blank.
std::string_view commandWord(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line.substr(0, line.find(' '));
}

bool isBlank(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool isSearch(const std::string& word) {
    return word == "go" || word == "candidates" || word == "hint" || word == "analyse";
}

bool onlyLooks(const std::string& word) {
    return word == "legal" || word == "survey" || word == "mate" || isSearch(word);
}

// The search line as run on the fuzzing budget: an analyse without a count is given the budget;
// nothing when it asks for more.
std::optional<std::string> boundedSearch(const std::string& word, const std::string& line) {
    if (word != "analyse") return line;
    std::istringstream in(line.substr(word.size()));
    bool counted = false;
    for (std::string w; in >> w;) {
        if (w.find_first_not_of("0123456789") != std::string::npos) continue;
        if (w.size() > 6 || std::stol(w) > kSearchNodes) return std::nullopt;
        counted = true;
    }
    if (counted) return line;
    std::string bounded = line;
    while (!bounded.empty() && bounded.back() == '\r') bounded.pop_back();
    return bounded + " " + std::to_string(kSearchNodes);
}

// Checks one command's answer against the state before and after it.
void checkAnswer(const std::string& word, const std::string& text,
                 const engine::EngineState& before, const engine::EngineState& after) {
    FUZZ_CHECK(!text.empty() && text.back() == '\n');
    const std::vector<std::string> lines = linesOf(text);
    FUZZ_CHECK(!lines.empty());
    const std::string& last = lines.back();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        FUZZ_CHECK(lines[i] != "ok" && lines[i].rfind("error ", 0) != 0);
    if (last != "ok") {
        FUZZ_CHECK(last.rfind("error ", 0) == 0 && last.size() > 6);
        FUZZ_CHECK(lines.size() == 1);
        FUZZ_CHECK(sameGame(before, after));
        return;
    }
    if (onlyLooks(word)) {
        FUZZ_CHECK(after.pos.board == before.pos.board);
        FUZZ_CHECK(after.pos.ownHand == before.pos.ownHand);
        FUZZ_CHECK(after.pos.enemyHand == before.pos.enemyHand);
    }
    if (word == "play") {
        FUZZ_CHECK(lines.size() == 2 && lines[0].rfind("line ", 0) == 0);
        record::MoveEntry e;
        FUZZ_CHECK(record::decodeEntryLine(std::string_view(lines[0]).substr(5), e).ok());
        FUZZ_CHECK(e.boardAt == after.pos.board);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::asText(data, size);
    static const engine::CommandTable table = engine::defaultCommands();
    engine::EngineState state;
    int searches = 0;
    int commands = 0;

    // Lines as std::getline gives them to the engine.
    std::size_t start = 0;
    while (start < input.size() && commands < kMaxCommands) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        std::string line(input.substr(start, end - start));
        start = end + 1;

        const std::string word(commandWord(line));
        const long nodes = state.nodes;
        if (isSearch(word)) {
            const std::optional<std::string> bounded = boundedSearch(word, line);
            if (searches == kMaxSearches || !bounded) continue;
            ++searches;
            line = *bounded;
            if (nodes == 0 || nodes > kSearchNodes) state.nodes = kSearchNodes;
        }
        ++commands;

        const engine::EngineState before = state;
        std::ostringstream out;
        const bool goOn = engine::runCommand(state, table, line, out);
        if (isSearch(word)) state.nodes = nodes;
        checkPosition(state.pos);
        FUZZ_CHECK(state.level >= com::kMinLevel && state.level <= com::kMaxLevel);
        if (!isBlank(line))
            checkAnswer(word, out.str(), before, state);
        else
            FUZZ_CHECK(out.str().empty() && sameGame(before, state));
        if (!goOn) break;
    }
    return 0;
}
