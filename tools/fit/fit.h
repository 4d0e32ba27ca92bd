// kz-fit: the look-ahead score's weights learnt from played games. Each sampled position's
// result is taken as a coin whose chance to fall for the top army is the logistic curve of its
// score, 1 / (1 + e^(-(score + edge) / scale)); the weights (the scale and the edge too) that make
// the played results likeliest are found by Newton steps, each weight held near the table's
// value by a prior.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "com/lookahead_terms.h"

namespace fit {

struct Sample {
    com::LookaheadTerms terms;
    double result = 0.5;  // for the top army: 1 won, 0.5 drawn, 0 lost
    double weight = 1;    // its share of the evidence
    int game = 0;         // the game it comes from, counted from 0
};

// The samples of kz-match --positions lines ("RESULT on|off NOTATION"), each game's weighing
// one in all (a game ends where the move number stops growing); a line that does not read is
// counted in `refused`.
std::vector<Sample> readSamples(std::istream& in, int& refused);

struct FitOptions {
    // How far a weight may stray from the table for the data to pay for it: the prior's spread,
    // in hundredths of a 歩 of the score of a typical position.
    double spread = 50;
    int rounds = 50;
};

struct FitResult {
    com::WeightVector<double> weights{};
    double scale = 0;  // the score that stands for odds of e to 1
    double edge = 0;   // what the top army's result owes to the army it is, beyond the score
    double lossBefore = 0, lossAfter = 0;  // the mean log loss per unit of weight
};

// Fits from `start`; the weights that are not learnt keep their values: the 歩 (100, the unit),
// the kings and the empty kind, and the first entries of the king tables (which never count, or
// only in differences).
FitResult fitWeights(const std::vector<Sample>& samples, const com::WeightVector<int>& start,
                     const FitOptions& options = {});

// The mean log loss of the samples under a fit.
double meanLoss(const std::vector<Sample>& samples, const FitResult& fitted);

// The spread, of those offered, whose fit to four games in five best foretells the fifth (the
// held-out loss of each in `losses`, when given).
double heldOutSpread(const std::vector<Sample>& samples, const com::WeightVector<int>& start,
                     const std::vector<double>& spreads, std::vector<double>* losses = nullptr);

// The fitted weights as whole numbers the table can hold, an absurd one held back: a piece's
// value within half and twice its value in `start`, another weight at most twice its old size
// either way give or take kPlacementSlack, the hand's percent within 50..200.
constexpr int kPlacementSlack = 20;
com::WeightVector<int> tableWeights(const com::WeightVector<double>& fitted,
                                    const com::WeightVector<int>& start);

// The weights' header with its numbers replaced by `w`, the layout and the comments kept, and
// its first line saying the tool wrote it. Empty when a constant is missing.
std::string rewriteWeightsHeader(const std::string& header, const com::WeightVector<int>& w);

}  // namespace fit
