#include "flow/review.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "flow/texts.h"
#include "view/piece_names.h"

namespace flow {

namespace {

const char* const kProgressText = KZ_TEXT("Game", "解析中 %1 / %2");
// A forced king capture in %1 plies, the capture counted.
const char* const kMateText = KZ_TEXT("Game", "玉取 %1手");

std::string replaced(std::string text, const std::string& mark, const std::string& by) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), by);
    return text;
}

std::string scoreText(const com::EntryAnalysis& a) {
    if (a.mateArmy != 0) {
        // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "+" + text.
        std::string text = a.mateArmy > 0 ? "+" : "-";
        text += replaced(translated("Game", kMateText), "%1", std::to_string(a.matePlies));
        return text;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", a.score);
    // A score that rounds to nothing reads the same from both sides.
    return std::string(text) == "-0.0" ? "+0.0" : text;
}

double graphScore(const com::EntryAnalysis& a) {
    if (a.mateArmy != 0) return a.mateArmy * com::kMarkClip;
    return std::clamp(a.score, -com::kMarkClip, com::kMarkClip);
}

}  // namespace

const char* markText(com::MoveMark mark) {
    switch (mark) {
        case com::MoveMark::Blunder:
            return "??";
        case com::MoveMark::Dubious:
            return "?";
        case com::MoveMark::None:
            break;
    }
    return "";
}

Review::Review(platform::GuiThread* gui, long nodes, std::function<void()> changed)
    : nodes_(nodes), changed_(std::move(changed)) {
    ReviewListener& listener = *this;
    if (gui != nullptr) review_ = std::make_unique<GameReview>(*gui, listener);
}

Review::~Review() = default;

void Review::toggle(std::vector<rules::Position> game, bool chineseDrops) {
    if (review_ == nullptr) return;
    if (review_->running()) {
        stop();
        return;
    }
    game_ = game;
    chineseDrops_ = chineseDrops;
    done_ = 0;
    total_ = static_cast<int>(game_.size());
    review_->start(std::move(game), chineseDrops, nodes_);
    changed_();
}

void Review::stop() {
    if (review_ == nullptr || !review_->running()) return;
    review_->stop();
    changed_();
}

void Review::clear() {
    if (!hasResults()) return;
    review_->clear();
    game_.clear();
    changed_();
}

void Review::turnRound(std::vector<rules::Position> game) {
    if (!hasResults()) return;
    const bool wasRunning = running();
    review_->turnRound(game);
    game_ = game;
    if (wasRunning) review_->start(std::move(game), chineseDrops_, nodes_);
    changed_();
}

void Review::follow(const std::vector<rules::Position>& game) {
    if (!hasResults() || game == game_) return;
    review_->clear();
    game_.clear();
    changed_();
}

bool Review::running() const {
    return review_ != nullptr && review_->running();
}

bool Review::hasResults() const {
    return review_ != nullptr && !game_.empty();
}

std::string Review::progressText() const {
    if (!running()) return {};
    return replaced(replaced(translated("Game", kProgressText), "%1", std::to_string(done_)), "%2",
                    std::to_string(total_));
}

std::vector<ReviewRow> Review::rows(platform::PieceSet set) const {
    if (!hasResults()) return {};
    const std::vector<com::EntryAnalysis>& results = review_->results();
    const std::vector<com::MoveMark> marks = review_->marks();
    std::vector<ReviewRow> rows(results.size());
    for (std::size_t n = 0; n < results.size(); ++n) {
        const com::EntryAnalysis& a = results[n];
        ReviewRow& row = rows[n];
        if (!a.done) continue;
        row.done = true;
        row.graphScore = graphScore(a);
        row.score = scoreText(a);
        if (n < marks.size()) row.mark = marks[n];
        const com::EntryAnalysis& before = results[n - (n > 0 ? 1 : 0)];
        if (row.mark != com::MoveMark::None && before.hasMove) {
            const com::ComMove& m = before.best;
            row.better = "→ " + view::moveText(set, m.toX, m.toY, m.before);
            if (m.after != m.before) row.better += view::promotionMark(set);
        }
    }
    return rows;
}

std::optional<com::ComMove> Review::betterMoveAt(int n) const {
    if (!hasResults() || n < 0) return std::nullopt;
    const std::vector<com::MoveMark> marks = review_->marks();
    const std::vector<com::EntryAnalysis>& results = review_->results();
    const auto next = static_cast<std::size_t>(n) + 1;
    if (next >= marks.size() || marks[next] == com::MoveMark::None || !results[n].hasMove) {
        return std::nullopt;
    }
    return results[n].best;
}

void Review::reviewProgress(int done, int total) {
    done_ = done;
    total_ = total;
    changed_();
}

void Review::reviewEnded(bool) {
    changed_();
}

}  // namespace flow
