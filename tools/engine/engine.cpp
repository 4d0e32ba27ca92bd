#include "tools/engine/engine.h"

#include <charconv>
#include <istream>
#include <ostream>

namespace engine {

void resetGame(EngineState& state) {
    state.pos = rules::Position{};
    state.map = com::InfluenceMap{};
    state.comState.reset();
    state.sideToMove = rules::SENTE;
    state.moveNumber = 1;
}

void CommandTable::add(std::string name, Handler handler) {
    handlers_[std::move(name)] = std::move(handler);
}

const Handler* CommandTable::find(std::string_view name) const {
    const auto it = handlers_.find(name);
    return it == handlers_.end() ? nullptr : &it->second;
}

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool parseInt(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

bool runCommand(EngineState& state, const CommandTable& table, std::string_view line,
                std::ostream& out) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) return true;

    const std::size_t space = line.find(' ');
    const std::string_view name = line.substr(0, space);
    const std::string_view args =
        space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);

    const Handler* handler = table.find(name);
    if (handler == nullptr) {
        out << "error unknown command: " << name << '\n' << std::flush;
        return true;
    }
    const Answer answer = (*handler)(state, args, out);
    if (answer.error.empty()) {
        out << "ok\n";
    } else {
        out << "error " << answer.error << '\n';
    }
    out << std::flush;
    return !answer.quit;
}

void runSession(EngineState& state, const CommandTable& table, std::istream& in,
                std::ostream& out) {
    for (std::string line; std::getline(in, line);) {
        if (!runCommand(state, table, line, out)) return;
    }
}

}  // namespace engine
