// The recovery record: the game in progress copied after every recorded move, so that a program
// ended at once (Esc, a closed window) loses nothing, and offered again at the next start.
#include <filesystem>
#include <string>
#include <system_error>

#include "flow/game.h"
#include "flow/texts.h"
#include "record/kifu_file.h"
#include "rules/setup.h"

namespace flow {

namespace {

const char* const kProgramTitle = "KZ ソラワ";
const char* const kResumeQuestion = KZ_TEXT("Game", "前回の対局を再開しますか？");

// A recovery record that does not read is kept under the first free name "….bad", "….bad2", …:
// nothing the player may want is ever deleted unasked.
void setAside(const std::filesystem::path& path) {
    std::error_code ec;
    for (int n = 1; n < 100; ++n) {
        std::filesystem::path aside = path;
        aside += n == 1 ? ".bad" : ".bad" + std::to_string(n);
        if (std::filesystem::exists(aside, ec)) continue;
        std::filesystem::rename(path, aside, ec);
        return;
    }
}

}  // namespace

void Game::writeRecovery() {
    if (recoveryPath_.empty() || moves_.lastMove < 1) return;
    // Written as a save is (a temporary file renamed over the old one); the game goes on
    // whether or not the copy could be made.
    const record::KifuHeaders headers = record::headerLines("", "", "", position_.bottomSide);
    record::save(recoveryPath_, headers, moves_, moves_.lastMove);
}

void Game::removeRecovery() {
    if (recoveryPath_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(recoveryPath_), ignored);
}

void Game::offerRecovery() {
    if (recoveryPath_.empty()) return;
    const std::filesystem::path path = std::filesystem::u8path(recoveryPath_);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return;

    const record::KifuLoad loaded = record::load(recoveryPath_);
    if (!loaded.status || loaded.entries.empty()) {
        setAside(path);
        return;
    }
    if (dialogs_.show(translated("Game", kResumeQuestion), kProgramTitle,
                      platform::Buttons::YesNo) != platform::Answer::Yes) {
        removeRecovery();
        return;
    }
    enterRecordMode(loaded);
    rules::調査_先手後手(position_);
    showLastEntry();
}

void Game::showLastEntry() {
    const int n = moves_.lastMove;
    moves_.currentMove = n;
    moves_.moveCount = n;
    showEntry(n, moves_[n].topAfter, moves_[n].bottomAfter);
    screen_.描画_手数(n);
    // The last move of each army is shown beside the board, as stepping there leaves it.
    showRecentMoveResults(n);
    // Each step of 進 from the start hands the move to the other army.
    state_.sideToMove = n % 2 == 0 ? rules::SENTE : -rules::SENTE;
    canvas_.repaintNow();
}

}  // namespace flow
