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

// The score a result is read from: the weights' score, plus the top army's edge (a constant that
// stands for what the terms leave out, such as which army it is; it changes no choice of move,
// so the table does not keep it), times the inverse scale u.
struct Model {
    Weights w{};
    double edge = 0;
    double u = 1.0 / 200;

    double input(const Sample& s) const { return u * (com::scoreOf(s.terms, w) + edge); }
};

struct Problem {
    const std::vector<Sample>& samples;
    Weights start{};
    Weights prior{};  // 1 / spread² of each learnt weight, 0 for one that is held
    std::vector<int> free;

    double loss(const Model& m) const {
        double sum = 0;
        for (const Sample& s : samples) sum += s.weight * logLoss(s.result, m.input(s));
        for (int i : free) sum += (m.w[i] - start[i]) * (m.w[i] - start[i]) * prior[i] / 2;
        return sum;
    }
};

// Solves a x = b for a symmetric positive definite a (n × n, row-major).
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

// One Newton step on the inverse scale, halved until the loss falls.
Model scaleStep(const Problem& p, Model m) {
    double g = 0, h = 0;
    for (const Sample& s : p.samples) {
        const double score = m.input(s) / m.u;
        const double q = sigmoid(m.input(s));
        g += s.weight * (q - s.result) * score;
        h += s.weight * q * (1 - q) * score * score;
    }
    if (!(h > 0)) return m;
    const double before = p.loss(m);
    for (double step = g / h; std::abs(step) > 1e-15; step /= 2) {
        Model next = m;
        next.u -= step;
        if (next.u > 0 && p.loss(next) < before) return next;
    }
    return m;
}

// One Gauss-Newton step on the learnt weights and the edge (the last unknown), halved until the
// loss falls.
Model weightStep(const Problem& p, const Model& m) {
    const std::size_t n = p.free.size() + 1;
    std::vector<double> grad(n, 0), hess(n * n, 0), slope(n);
    for (const Sample& s : p.samples) {
        const Weights all = com::scoreGradient(s.terms, m.w);
        for (std::size_t i = 0; i + 1 < n; ++i) slope[i] = all[p.free[i]];
        slope[n - 1] = 1;
        const double q = sigmoid(m.input(s));
        const double r = s.weight * m.u * (q - s.result);
        const double c = s.weight * m.u * m.u * q * (1 - q);
        for (std::size_t i = 0; i < n; ++i) {
            if (slope[i] == 0) continue;
            grad[i] += r * slope[i];
            for (std::size_t j = 0; j < n; ++j) hess[i * n + j] += c * slope[i] * slope[j];
        }
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const int s = p.free[i];
        grad[i] += (m.w[s] - p.start[s]) * p.prior[s];
        hess[i * n + i] += p.prior[s];
    }
    hess[n * n - 1] += 1e-12;  // an edge the data cannot tell stays where it is
    const std::vector<double> step = solve(hess, grad);
    const double before = p.loss(m);
    for (double f = 1; f > 1e-6; f /= 2) {
        Model next = m;
        for (std::size_t i = 0; i + 1 < n; ++i) next.w[p.free[i]] -= f * step[i];
        next.edge -= f * step[n - 1];
        if (p.loss(next) < before) return next;
    }
    return m;
}

}  // namespace

std::vector<Sample> readSamples(std::istream& in, int& refused) {
    std::vector<Sample> samples;
    refused = 0;
    std::size_t gameStart = 0;
    int game = 0;
    int lastMove = 0;
    // A game's positions share its result: together they weigh as much as one result.
    const auto closeGame = [&] {
        for (std::size_t i = gameStart; i < samples.size(); ++i) {
            samples[i].weight = 1.0 / static_cast<double>(samples.size() - gameStart);
        }
        gameStart = samples.size();
        ++game;
    };
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
        if (read.value.moveNumber <= lastMove) closeGame();
        s.game = game;
        lastMove = read.value.moveNumber;
        const rules::Position& pos = read.value.position;
        const com::DropRights rights{rules::armyMayDrop(pos, rules::kTopArmy, drops == "on"),
                                     rules::armyMayDrop(pos, rules::kBottomArmy, drops == "on")};
        s.terms = com::lookaheadTerms(pos, rights);
        samples.push_back(s);
    }
    closeGame();
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
    double total = 0;
    for (const Sample& s : samples) {
        const Weights slope = com::scoreGradient(s.terms, p.start);
        for (int i = 0; i < slot::count; ++i) square[i] += s.weight * slope[i] * slope[i];
        total += s.weight;
    }
    for (int i = 0; i < slot::count; ++i) {
        const double typical = std::sqrt(square[i] / std::max(total, 1e-9));
        if (!learnt(i) || typical == 0) continue;
        const double spread = options.spread / std::max(typical, 1.0);
        p.prior[i] = 1 / (spread * spread);
        p.free.push_back(i);
    }
    Model m;
    m.w = p.start;
    const double n = std::max(total, 1e-9);
    for (int i = 0; i < 30; ++i) m = scaleStep(p, m);
    FitResult r;
    r.lossBefore = p.loss(m) / n;
    for (int round = 0; round < options.rounds; ++round) {
        const double before = p.loss(m);
        m = scaleStep(p, weightStep(p, m));
        if (before - p.loss(m) < 1e-9 * n) break;
    }
    r.lossAfter = p.loss(m) / n;
    r.weights = m.w;
    r.edge = m.edge;
    r.scale = 1 / m.u;
    return r;
}

double meanLoss(const std::vector<Sample>& samples, const FitResult& fitted) {
    double sum = 0, total = 0;
    for (const Sample& s : samples) {
        const double z = (com::scoreOf(s.terms, fitted.weights) + fitted.edge) / fitted.scale;
        sum += s.weight * logLoss(s.result, z);
        total += s.weight;
    }
    return total > 0 ? sum / total : 0;
}

double heldOutSpread(const std::vector<Sample>& samples, const com::WeightVector<int>& start,
                     const std::vector<double>& spreads, std::vector<double>* losses) {
    std::vector<Sample> learn, check;
    for (const Sample& s : samples) (s.game % 5 == 4 ? check : learn).push_back(s);
    double best = spreads.front(), bestLoss = 0;
    for (const double spread : spreads) {
        FitOptions o;
        o.spread = spread;
        const double loss = meanLoss(check, fitWeights(learn, start, o));
        if (losses) losses->push_back(loss);
        if (spread == spreads.front() || loss < bestLoss) best = spread, bestLoss = loss;
    }
    return best;
}

com::WeightVector<int> tableWeights(const com::WeightVector<double>& fitted,
                                    const com::WeightVector<int>& start) {
    com::WeightVector<int> w{};
    for (int i = 0; i < slot::count; ++i) {
        const int v = static_cast<int>(std::lround(fitted[i]));
        const bool value = i < slot::kPressure;
        const int low = value ? start[i] / 2 : std::min(0, 2 * start[i]) - kPlacementSlack;
        const int high = value ? start[i] * 2 : std::max(0, 2 * start[i]) + kPlacementSlack;
        w[i] = std::clamp(v, low, high);
    }
    w[slot::kHandPercent] = std::clamp(w[slot::kHandPercent], 50, 200);
    return w;
}

}  // namespace fit
