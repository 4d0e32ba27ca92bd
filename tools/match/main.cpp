// kz-match: plays games between two computer levels and prints the score (see match.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/match/match.h"

int main(int argc, char** argv) {
    return match::runMain(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
