// kz-fit SAMPLES... --header FILE [--spread S]: fits the look-ahead score's weights to the sampled
// positions of kz-match --positions, prints each weight's old and new value, and rewrites the
// weights' header with the new table. Without --spread, the spread that best foretells held-out
// games is used.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/fit/fit.h"

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::string header;
    fit::FitOptions options;
    options.spread = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--header" && i + 1 < argc) {
            header = argv[++i];
        } else if (a == "--spread" && i + 1 < argc) {
            options.spread = std::stod(argv[++i]);
        } else {
            files.push_back(a);
        }
    }
    if (files.empty() || header.empty() || options.spread < 0) {
        std::cerr << "usage: kz-fit SAMPLES... --header com/lookahead_weights.h [--spread S]\n";
        return 2;
    }
    std::vector<fit::Sample> samples;
    for (const std::string& name : files) {
        std::ifstream in(name);
        if (!in) {
            std::cerr << "kz-fit: cannot read " << name << '\n';
            return 1;
        }
        int refused = 0;
        const std::vector<fit::Sample> more = fit::readSamples(in, refused);
        if (!in.eof() || refused > 0) {
            std::cerr << "kz-fit: " << name << ": " << refused << " lines refused\n";
            return 1;
        }
        samples.insert(samples.end(), more.begin(), more.end());
    }
    const com::WeightVector<int> start = com::currentWeights();
    if (options.spread == 0) {
        const std::vector<double> spreads = {12.5, 25, 50, 100, 200, 400, 800, 1600};
        std::vector<double> losses;
        options.spread = fit::heldOutSpread(samples, start, spreads, &losses);
        for (std::size_t i = 0; i < spreads.size(); ++i) {
            std::printf("spread %.1f held-out loss %.5f\n", spreads[i], losses[i]);
        }
    }
    const fit::FitResult r = fit::fitWeights(samples, start, options);
    const com::WeightVector<int> table = fit::tableWeights(r.weights, start);
    std::printf("spread %.1f samples %zu scale %.1f edge %.1f loss %.5f -> %.5f\n", options.spread,
                samples.size(), r.scale, r.edge, r.lossBefore, r.lossAfter);
    for (int s = 0; s < com::slot::count; ++s) {
        if (table[s] != start[s]) {
            std::printf("%s %d -> %d (%.1f)\n", com::weightName(s).c_str(), start[s], table[s],
                        r.weights[s]);
        }
    }
    std::ifstream in(header);
    std::stringstream text;
    text << in.rdbuf();
    const std::string written = fit::rewriteWeightsHeader(text.str(), table);
    if (!in || written.empty()) {
        std::cerr << "kz-fit: " << header << " does not hold the weights' table\n";
        return 1;
    }
    std::ofstream(header) << written;
    return 0;
}
