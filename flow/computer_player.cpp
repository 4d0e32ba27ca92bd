#include "flow/computer_player.h"

#include "com/choose_move.h"
#include "com/influence_survey.h"
#include "com/lookahead_search.h"
#include "com/mate.h"
#include "flow/texts.h"

namespace flow {

namespace {

// The search reports now and then while it runs (levels 1 to 3 once per board column and per hand
// index, the level that looks ahead every so many positions), and the listener hears of it.
class ThinkingTicks : public com::SearchObserver {
  public:
    explicit ThinkingTicks(MoveListener& listener) : listener_(listener) {}
    void tick() override { listener_.thinking(); }

  private:
    MoveListener& listener_;
};

// "思考中" stands in the text row above the board, light over a dark shadow.
constexpr double kThinkingFontSize = 12;
constexpr int kThinkingColour = platform::palette::kWhite;
constexpr double kTextRow = -1;
constexpr int kTextCells = 3;

// The cells the text row and the top stand leave outlined where the text runs over them.
constexpr int kStandEdgeRow = 7;
constexpr int kBoardEdgeRow = 8;

bool isChinesePiece(rules::PieceCode piece) {
    return rules::isTop(piece) && rules::isChineseKind(rules::magnitude(piece));
}

}  // namespace

ComputerPlayer::ComputerPlayer(view::Screen& screen, platform::Canvas& canvas,
                               platform::Dialogs& dialogs, const settings::Options& options,
                               platform::GuiThread* gui)
    : screen_(screen),
      canvas_(canvas),
      dialogs_(dialogs),
      options_(options),
      gui_(gui),
      self_(std::make_shared<ComputerPlayer*>(this)) {}

ComputerPlayer::~ComputerPlayer() {
    cancel();
    self_.reset();
}

int ComputerPlayer::ask(const MoveRequest& request, MoveListener& listener) {
    cancel();
    const int generation = generation_;
    if (gui_ != nullptr && com::looksAhead(request.settings.comLevel)) {
        askWorker(request, listener, generation);
        return generation;
    }
    com::ChoiceJob job = jobFor(request);
    ThinkingTicks ticks(listener);
    com::runChoiceJob(job, nullptr, &ticks);
    const MoveAnswer answer = adopt(generation, job);
    if (generation == generation_) listener.moveChosen(answer);
    return generation;
}

com::ChoiceJob ComputerPlayer::jobFor(const MoveRequest& request) const {
    com::ChoiceJob job;
    job.position = request.position;
    job.side = request.side;
    job.settings = request.settings;
    job.ownTurn = request.ownTurn;
    if (request.ownTurn) {
        job.map = map_;
        job.state = comState_;
    }
    return job;
}

MoveAnswer ComputerPlayer::adopt(int generation, const com::ChoiceJob& job) {
    if (job.ownTurn) {
        map_ = job.map;
        comState_ = job.state;
    }
    MoveAnswer answer;
    answer.generation = generation;
    answer.found = job.choice.found;
    answer.move = job.choice.move;
    answer.score = job.choice.score;
    return answer;
}

void ComputerPlayer::askWorker(const MoveRequest& request, MoveListener& listener, int generation) {
    auto job = std::make_shared<com::ChoiceJob>(jobFor(request));
    if (!worker_) worker_ = std::make_unique<com::ChoiceWorker>();
    listener_ = &listener;
    std::weak_ptr<ComputerPlayer*> self = self_;
    platform::GuiThread& gui = *gui_;
    worker_->start(std::move(job), [&gui, self, generation](std::shared_ptr<com::ChoiceJob> done) {
        gui.post([self, generation, done] {
            if (auto p = self.lock()) (*p)->answered(generation, *done);
        });
    });
}

void ComputerPlayer::answered(int generation, const com::ChoiceJob& job) {
    if (generation != generation_ || listener_ == nullptr) return;
    worker_->stop();  // the thread is ending: it posted its last
    MoveListener& listener = *listener_;
    listener_ = nullptr;
    const MoveAnswer answer = adopt(generation, job);
    listener.thinking();
    if (generation != generation_) return;
    listener.moveChosen(answer);
}

void ComputerPlayer::cancel() {
    ++generation_;
    if (worker_) worker_->stop();
    listener_ = nullptr;
}

void ComputerPlayer::reset() {
    map_.clearAll();
    comState_.reset();
}

bool ComputerPlayer::surveyMates(rules::Position& pos, rules::SideId side) {
    survey(pos);
    return com::詰めかCOM(pos, map_, side) == 1;
}

void ComputerPlayer::survey(rules::Position& pos) {
    com::勢力調査(pos, map_);
}

void ComputerPlayer::showThinking() {
    hideThinking();
    if (options_.chineseDrops) {
        screen_.描画_桝輪郭(settings::kOutlineColour, rules::kTopHandX, kStandEdgeRow);
    }
    const std::string thinking = translated("Game", "思考中");
    screen_.描画_数値(1.2, -0.4, thinking, kShadowColour, kThinkingFontSize);
    screen_.描画_数値(1.1, -0.5, thinking, kThinkingColour, kThinkingFontSize);
    screen_.描画_桝輪郭(settings::kOutlineColour, 1, kBoardEdgeRow);
    canvas_.repaintNow();
}

void ComputerPlayer::hideThinking() {
    for (int c = 1; c <= kTextCells; ++c) screen_.描画_絵(options_.background, c, kTextRow);
}

void ComputerPlayer::announceMove(rules::Position& pos, rules::PieceCode after) {
    if (com::詰めかMAN(pos, map_) == 1) {
        dialogs_.show(translated("Game", "よし！!"), translated("Game", "詰め ?"),
                      platform::Buttons::Ok);
        return;
    }
    if (map_.enemyAttacks(pos.ownKingX, pos.ownKingY) <= 0) return;
    if (isChinesePiece(after)) {
        dialogs_.show(translated("Game", "   ** 将(Jiang) **"), translated("Game", "王手"),
                      platform::Buttons::Ok);
    } else {
        dialogs_.show(translated("Game", "   ** 王手 **"), "", platform::Buttons::Ok);
    }
}

}  // namespace flow
