// kz-fit: the weights it learns from results whose odds are known, and the header it writes.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "tools/fit/fit.h"

namespace {

namespace slot = com::slot;
using rules::kind::卒;
using rules::kind::歩;

TEST(Fit, LearnsTheWeightsAndScaleThatMadeTheResults) {
    // Results drawn from a score in which a 卒 is worth 200 and a piece in hand 120 %, the top
    // army's edge 80, on a scale of 150; the fit starts from the table.
    com::WeightVector<double> truth;
    for (int i = 0; i < slot::count; ++i) truth[i] = com::currentWeights()[i];
    truth[slot::kValue + 卒] = 200;
    truth[slot::kHandPercent] = 120;
    std::vector<fit::Sample> samples;
    for (int pawns = -3; pawns <= 3; ++pawns) {
        for (int soldiers = -3; soldiers <= 3; ++soldiers) {
            for (int held = 0; held <= 2; ++held) {
                fit::Sample s;
                s.terms.counts[slot::kValue + 歩] = pawns;
                s.terms.counts[slot::kValue + 卒] = soldiers;
                s.terms.topHand[rules::hand::kSoldier] = held;
                s.result = 1 / (1 + std::exp(-(com::scoreOf(s.terms, truth) + 80) / 150));
                samples.push_back(s);
            }
        }
    }
    fit::FitOptions loose;
    loose.spread = 1e6;
    const fit::FitResult r = fit::fitWeights(samples, com::currentWeights(), loose);
    EXPECT_NEAR(r.scale, 150, 0.5);
    EXPECT_NEAR(r.edge, 80, 0.5);
    EXPECT_LT(r.lossAfter, r.lossBefore);
    const com::WeightVector<int> table = fit::tableWeights(r.weights, com::currentWeights());
    com::WeightVector<int> expected = com::currentWeights();
    expected[slot::kValue + 卒] = 200;
    expected[slot::kHandPercent] = 120;
    EXPECT_EQ(table, expected) << "a weight the data never counts keeps its value";
}

TEST(Fit, RewritesTheHeaderNumbersInPlace) {
    std::ifstream in(KZ_SOURCE_DIR "/com/lookahead_weights.h");
    std::stringstream header;
    header << in.rdbuf();
    const std::string same = fit::rewriteWeightsHeader(header.str(), com::currentWeights());
    const auto body = [](const std::string& text) { return text.substr(text.find("#pragma")); };
    ASSERT_FALSE(same.empty());
    EXPECT_EQ(body(same), body(header.str()));
    EXPECT_NE(same.find("tools/fit/fit-weights"), std::string::npos);
    com::WeightVector<int> w = com::currentWeights();
    w[slot::kGuard + 2] = 777;
    w[slot::kSoldierLastRows] = 555;
    const std::string changed = fit::rewriteWeightsHeader(same, w);
    EXPECT_NE(changed.find(", 777};\n"), std::string::npos);
    EXPECT_NE(changed.find("kSoldierLastRows = 555;\n"), std::string::npos);
    EXPECT_EQ(changed.substr(0, changed.find("#pragma")), same.substr(0, same.find("#pragma")));
}

}  // namespace
