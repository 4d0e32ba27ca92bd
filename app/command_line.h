// The program's command line: the game needs no arguments; --help and --version answer and end.
#pragma once

#include <string>
#include <vector>

namespace app {

struct CommandLine {
    enum class Action { Play, Help, Version, Bad };
    Action action = Action::Play;
    std::string bad;  // the argument not understood
};

// Reads the arguments after the program's name (Qt's own options already taken out).
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// What --help prints, and what --version prints.
std::string usageText(const std::string& programName);
std::string versionText();

// Carries out a command line that ends the program at once: prints what it asks for (the usage
// to standard error for a bad argument) and returns the exit status; -1 when the game is to be
// played.
int answerCommandLine(const CommandLine& line, const std::string& programName);

}  // namespace app
