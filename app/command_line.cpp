#include "app/command_line.h"

#include <cstdio>

namespace app {

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    // --help and --version answer whatever else is there; any other argument is not understood.
    CommandLine line;
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") return {CommandLine::Action::Help, ""};
        if (a == "--version") {
            line = {CommandLine::Action::Version, ""};
        } else if (line.action == CommandLine::Action::Play) {
            line = {CommandLine::Action::Bad, a};
        }
    }
    return line;
}

std::string usageText(const std::string& programName) {
    return "使い方: " + programName +
           " [オプション]\n"
           "将棋の軍勢と中国将棋の軍勢が9×9の盤で戦うゲームです。引数は要りません。\n"
           "\n"
           "  -h, --help     この説明を表示して終わります\n"
           "      --version  版を表示して終わります\n";
}

std::string versionText() {
    return "KZ ソラワ 1.0\n";
}

int answerCommandLine(const CommandLine& line, const std::string& programName) {
    switch (line.action) {
        case CommandLine::Action::Play:
            return -1;
        case CommandLine::Action::Help:
            std::fputs(usageText(programName).c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(versionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Bad:
            std::fprintf(stderr, "%s: 不明なオプション '%s'\n", programName.c_str(),
                         line.bad.c_str());
            std::fputs(usageText(programName).c_str(), stderr);
            return 2;
    }
    return -1;
}

}  // namespace app
