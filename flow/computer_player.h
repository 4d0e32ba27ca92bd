// The computer player: chooses a move for the computer's turn or for the hint, keeps what its
// turns carry from one to the next (the influence map and the turn state), and shows on the board
// that it is thinking, what its move threatens, and the hint. The levels that look ahead think on
// a worker thread when there is a GUI thread to hear them, so the window lives on meanwhile.
#pragma once

#include <memory>

#include "com/choice_worker.h"
#include "com/com_state.h"
#include "com/influence_map.h"
#include "com/search.h"
#include "flow/game_state.h"
#include "flow/move_outline.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/gui_thread.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

// A question for the computer: a move for the army `side` of `position`. The request carries its
// own copy of the position and settings, so the game may change its own while it waits.
struct MoveRequest {
    rules::Position position;
    rules::SideId side = 0;
    com::SearchSettings settings;
    // True for the computer's own turn (the top army): the search reads and keeps the player's
    // influence map and turn state. False for a look aside (the hint): they are left alone.
    bool ownTurn = false;
};

struct MoveAnswer {
    int generation = 0;  // the request's, as ask returned it
    bool found = false;  // false: the army has no move or drop at all
    com::ComMove move;
    double score = 0;
};

// Hears the answer to a request, whether it comes before ask returns or later.
class MoveListener {
  public:
    virtual ~MoveListener() = default;
    // While the search runs, so that a clock display can keep moving; an answer from the worker
    // thread brings one last report just before it.
    virtual void thinking() {}
    // Given once for each request that was not cancelled or superseded first.
    virtual void moveChosen(const MoveAnswer& answer) = 0;
};

class ComputerPlayer {
  public:
    // Without a GUI thread every level answers before ask returns.
    ComputerPlayer(view::Screen& screen, platform::Canvas& canvas, platform::Dialogs& dialogs,
                   const settings::Options& options, platform::GuiThread* gui = nullptr);
    ~ComputerPlayer();
    ComputerPlayer(const ComputerPlayer&) = delete;
    ComputerPlayer& operator=(const ComputerPlayer&) = delete;

    // Asks for a move and returns the request's generation. A newer request or cancel makes the
    // answers of older ones go unheard. Levels 1 to 3 answer before ask returns; the levels that
    // look ahead answer later, on the GUI thread, once the worker has chosen.
    int ask(const MoveRequest& request, MoveListener& listener);
    // Stops a search that runs at once; no answer asked for before is heard.
    void cancel();
    // True from an ask answered later until its answer is heard or cancelled.
    bool searching() const { return listener_ != nullptr; }

    const com::InfluenceMap& influenceMap() const { return map_; }
    const com::ComState& comState() const { return comState_; }
    // A new game: no king square or turn state of the game before may linger.
    void reset();
    // Surveys pos onto the player's map (勢力調査); true when the army `side` is then mated.
    bool surveyMates(rules::Position& pos, rules::SideId side);
    void survey(rules::Position& pos);

    // "思考中" over the board while the computer's turn runs, and its removal.
    void showThinking();
    void hideThinking();
    // After the computer's move (the map surveyed): "よし！!" on mate of the human, else a check
    // message.
    void announceMove(rules::Position& pos, rules::PieceCode after);

    // The hint (hint.cpp): the answer to `request` outlined on the board and named in a box; the
    // outlines stay until eraseHint, which leaves a held piece's outline as it was.
    void hint(const MoveRequest& request);
    void eraseHint(const rules::Position& pos, const GameState& selection);

  private:
    // The request as a job for the search, with the player's map and turn state for its own turn.
    com::ChoiceJob jobFor(const MoveRequest& request) const;
    // Takes the map and turn state the job's search left, and gives its answer.
    MoveAnswer adopt(int generation, const com::ChoiceJob& job);
    void askWorker(const MoveRequest& request, MoveListener& listener, int generation);
    // On the GUI thread: the worker's answer to request `generation`.
    void answered(int generation, const com::ChoiceJob& job);
    void showHint(const MoveAnswer& answer);

    // Hears the hint's answers.
    class HintListener : public MoveListener {
      public:
        explicit HintListener(ComputerPlayer& player) : player_(player) {}
        void moveChosen(const MoveAnswer& answer) override { player_.showHint(answer); }

      private:
        ComputerPlayer& player_;
    };

    view::Screen& screen_;
    platform::Canvas& canvas_;
    platform::Dialogs& dialogs_;
    const settings::Options& options_;
    com::InfluenceMap map_;
    com::ComState comState_;
    int generation_ = 0;
    platform::GuiThread* gui_;
    std::unique_ptr<com::ChoiceWorker> worker_;  // made for the first search it runs
    MoveListener* listener_ = nullptr;           // who waits for the worker's answer
    // Answers posted while this object is gone go unheard: they hold only a weak reference.
    std::shared_ptr<ComputerPlayer*> self_;
    HintListener hintListener_{*this};
    // The hint's outline, shown until the next press.
    MoveOutline hint_{screen_, canvas_};
};

}  // namespace flow
