// kz-analyse: reviews a game-record file and prints every entry's score and the marked moves
// (see analyse.h).
#include <iostream>
#include <string>
#include <vector>

#include "tools/analyse/analyse.h"

int main(int argc, char** argv) {
    return analyse::runMain(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
