// kzsorawa-engine: the rules (and later the computer player) on standard input and output.
#include <iostream>

#include "tools/engine/commands.h"

int main() {
    engine::EngineState state;
    engine::runSession(state, engine::defaultCommands(), std::cin, std::cout);
    return 0;
}
