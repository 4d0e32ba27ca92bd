// The look-ahead score's terms: put back together with the table they give the score itself, so
// the weights a fit learns are the weights the search plays with.
#include <gtest/gtest.h>

#include "com/lookahead_terms.h"
#include "rules/move_list.h"
#include "support/bench_positions.h"

namespace {

TEST(LookaheadTerms, WithTheTableTheyGiveTheScoreAndTheirSlope) {
    const com::WeightVector<int> table = com::currentWeights();
    com::WeightVector<double> w;
    for (int i = 0; i < com::slot::count; ++i) w[i] = table[i];
    std::vector<rules::Position> suite = testsupport::benchPositions();
    ASSERT_FALSE(suite.empty());
    for (rules::Position& pos : suite) {
        for (const bool drops : {false, true}) {
            const com::DropRights rights{rules::armyMayDrop(pos, rules::kTopArmy, drops),
                                         rules::armyMayDrop(pos, rules::kBottomArmy, drops)};
            const com::LookaheadTerms terms = com::lookaheadTerms(pos, rights);
            ASSERT_EQ(com::scoreOf(terms, table), com::positionScore(pos, rights));
            // The score is linear in each weight alone: one more of it adds its slope.
            const com::WeightVector<double> slope = com::scoreGradient(terms, w);
            for (int i = 0; i < com::slot::count; ++i) {
                com::WeightVector<double> more = w;
                more[i] += 1;
                ASSERT_NEAR(com::scoreOf(terms, more) - com::scoreOf(terms, w), slope[i], 1e-6)
                    << com::weightName(i);
            }
        }
    }
}

}  // namespace
