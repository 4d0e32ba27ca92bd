// The fit: Newton steps on the weights and on the logistic scale in turn.
#include "tools/fit/fit.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <sstream>

#include "record/position_notation.h"
#include "rules/move_list.h"

namespace fit {
namespace {

using Weights = com::WeightVector<double>;
namespace slot = com::slot;

double logSigmoid(double z) {
    return z >= 0 ? -std::log1p(std::exp(-z)) : z - std::log1p(std::exp(z));
}
double sigmoid(double z) {
    return std::exp(logSigmoid(z));
}
// The log loss of result y (for the top army) at logistic input z.
double logLoss(double y, double z) {
    return -(y * logSigmoid(z) + (1 - y) * logSigmoid(-z));
}

// The weights a fit never moves.
bool learnt(int s) {
    using namespace rules;
    return s != slot::kValue && s != slot::kValue + kind::歩 && s != slot::kValue + kind::王 &&
           s != slot::kValue + kind::将 && s != slot::kPressure && s != slot::kGuard &&
           s != slot::kSiege;
}

struct Problem {
    const std::vector<Sample>& samples;
    Weights start{};
    Weights prior{};  // 1 / spread² of each learnt weight, 0 for one that is held
    std::vector<int> free;

    double loss(const Weights& w, double u) const {
        double sum = 0;
        for (const Sample& s : samples) sum += logLoss(s.result, u * com::scoreOf(s.terms, w));
        for (int i : free) sum += (w[i] - start[i]) * (w[i] - start[i]) * prior[i] / 2;
        return sum;
    }
};

// Solves a x = b for a symmetric positive definite a (n × n, row-major), in place.
std::vector<double> solve(std::vector<double> a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r) {
            if (std::abs(a[r * n + c]) > std::abs(a[pivot * n + c])) pivot = r;
        }
        for (std::size_t k = 0; k < n; ++k) std::swap(a[c * n + k], a[pivot * n + k]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            for (std::size_t k = c; k < n; ++k) a[r * n + k] -= f * a[c * n + k];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t c = n; c-- > 0;) {
        double v = b[c];
        for (std::size_t k = c + 1; k < n; ++k) v -= a[c * n + k] * x[k];
        x[c] = v / a[c * n + c];
    }
    return x;
}

// One Newton step on the inverse scale u, halved until the loss falls.
double scaleStep(const Problem& p, const Weights& w, double u) {
    double g = 0, h = 0;
    for (const Sample& s : p.samples) {
        const double score = com::scoreOf(s.terms, w);
        const double q = sigmoid(u * score);
        g += (q - s.result) * score;
        h += q * (1 - q) * score * score;
    }
    if (!(h > 0)) return u;
    const double before = p.loss(w, u);
    for (double step = g / h; std::abs(step) > 1e-15; step /= 2) {
        if (u - step > 0 && p.loss(w, u - step) < before) return u - step;
    }
    return u;
}

// One Gauss-Newton step on the learnt weights, halved until the loss falls.
Weights weightStep(const Problem& p, const Weights& w, double u) {
    const std::size_t n = p.free.size();
    std::vector<double> grad(n, 0), hess(n * n, 0);
    for (const Sample& s : p.samples) {
        const Weights slope = com::scoreGradient(s.terms, w);
        const double q = sigmoid(u * com::scoreOf(s.terms, w));
        const double r = u * (q - s.result), c = u * u * q * (1 - q);
        for (std::size_t i = 0; i < n; ++i) {
            const double gi = slope[p.free[i]];
            if (gi == 0) continue;
            grad[i] += r * gi;
            for (std::size_t j = 0; j < n; ++j) hess[i * n + j] += c * gi * slope[p.free[j]];
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const int s = p.free[i];
        grad[i] += (w[s] - p.start[s]) * p.prior[s];
        hess[i * n + i] += p.prior[s];
    }
    const std::vector<double> step = solve(hess, grad);
    const double before = p.loss(w, u);
    for (double f = 1; f > 1e-6; f /= 2) {
        Weights next = w;
        for (std::size_t i = 0; i < n; ++i) next[p.free[i]] -= f * step[i];
        if (p.loss(next, u) < before) return next;
    }
    return w;
}

}  // namespace

std::vector<Sample> readSamples(std::istream& in, int& refused) {
    std::vector<Sample> samples;
    refused = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        Sample s;
        std::string drops, notation;
        fields >> s.result >> drops;
        std::getline(fields, notation);
        const record::NotationRead read = record::readNotation(notation);
        if (!fields.eof() || !read || (drops != "on" && drops != "off") || s.result < 0 ||
            s.result > 1) {
            ++refused;
            continue;
        }
        const rules::Position& pos = read.value.position;
        const com::DropRights rights{rules::armyMayDrop(pos, rules::kTopArmy, drops == "on"),
                                     rules::armyMayDrop(pos, rules::kBottomArmy, drops == "on")};
        s.terms = com::lookaheadTerms(pos, rights);
        samples.push_back(s);
    }
    return samples;
}

FitResult fitWeights(const std::vector<Sample>& samples, const com::WeightVector<int>& start,
                     const FitOptions& options) {
    Problem p{samples, {}, {}, {}};
    for (int i = 0; i < slot::count; ++i) p.start[i] = start[i];
    // A weight counted several times in a typical position gets that much less spread, so that
    // each weight may move a typical score by about the same. A weight whose count never changes
    // in the data is held.
    Weights square{};
    for (const Sample& s : samples) {
        const Weights slope = com::scoreGradient(s.terms, p.start);
        for (int i = 0; i < slot::count; ++i) square[i] += slope[i] * slope[i];
    }
    for (int i = 0; i < slot::count; ++i) {
        const double typical = std::sqrt(square[i] / std::max<double>(samples.size(), 1));
        if (!learnt(i) || typical == 0) continue;
        const double spread = options.spread / std::max(typical, 1.0);
        p.prior[i] = 1 / (spread * spread);
        p.free.push_back(i);
    }
    FitResult r;
    r.weights = p.start;
    const double n = std::max<double>(samples.size(), 1);
    double u = 1.0 / 200;
    for (int i = 0; i < 30; ++i) u = scaleStep(p, r.weights, u);
    r.lossBefore = p.loss(r.weights, u) / n;
    for (int round = 0; round < options.rounds && !p.free.empty(); ++round) {
        const double before = p.loss(r.weights, u);
        r.weights = weightStep(p, r.weights, u);
        u = scaleStep(p, r.weights, u);
        if (before - p.loss(r.weights, u) < 1e-9 * n) break;
    }
    r.lossAfter = p.loss(r.weights, u) / n;
    r.scale = 1 / u;
    return r;
}

com::WeightVector<int> tableWeights(const com::WeightVector<double>& fitted) {
    com::WeightVector<int> w{};
    for (int i = 0; i < slot::count; ++i) w[i] = static_cast<int>(std::lround(fitted[i]));
    for (int k = 0; k <= rules::kind::count; ++k) {
        w[slot::kValue + k] = std::max(w[slot::kValue + k], 0);
    }
    w[slot::kHandPercent] = std::clamp(w[slot::kHandPercent], 50, 200);
    return w;
}

}  // namespace fit
