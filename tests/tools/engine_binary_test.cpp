// One run of the real engine program, as a client would drive it through a pipe.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "record/entry_line.h"
#include "rules/setup.h"

namespace {

TEST(EngineBinary, ListsTheStartingMovesOfBothArmiesAndQuits) {
    const char* engine = std::getenv("KZ_ENGINE");
    if (engine == nullptr || *engine == '\0') GTEST_SKIP() << "KZ_ENGINE is not set";

    rules::Position pos;
    rules::layOutStartPosition(pos);
    record::MoveEntry start;
    start.boardAt = pos.board;

    const std::string input =
        ::testing::TempDir() + "engine_input_" + std::to_string(::getpid()) + ".txt";
    {
        std::ofstream f(input);
        f << "position " << record::encodeEntryLine(start) << "\nlegal\nquit\nlegal\n";
    }
    // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) of "'" + std::string(engine).
    std::string command = "'";
    command += engine;
    command += "' < '" + input + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    std::remove(input.c_str());

    EXPECT_EQ(status, 0);
    int moves = 0, bottom = 0, oks = 0;
    std::size_t start_of_line = 0;
    while (start_of_line < out.size()) {
        const std::size_t end = out.find('\n', start_of_line);
        const std::string l = out.substr(start_of_line, end - start_of_line);
        start_of_line = end == std::string::npos ? out.size() : end + 1;
        if (l == "ok") ++oks;
        if (l.rfind("move ", 0) == 0) {
            ++moves;
            bottom += l[l.rfind(' ') + 1] == '-';
        }
    }
    EXPECT_EQ(oks, 3);  // position, legal, quit; nothing after quit
    EXPECT_EQ(bottom, 30);
    EXPECT_EQ(moves, 72);
    EXPECT_EQ(out.rfind("ok\nmove 1 1 1 2 8\n", 0), 0u);
}

}  // namespace
