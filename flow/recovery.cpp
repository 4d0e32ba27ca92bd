// The recovery record: the game in progress copied after every recorded move, so that a program
// ended at once (Esc, a closed window) loses nothing, and offered again at the next start.
#include <filesystem>
#include <string>
#include <system_error>

#include "flow/record_panel.h"
#include "flow/texts.h"

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

void RecordPanel::writeRecovery() {
    if (recoveryPath_.empty() || moves_.lastMove < 1) return;
    // Written as a save is (a temporary file renamed over the old one); the game goes on
    // whether or not the copy could be made.
    const record::KifuHeaders headers = record::headerLines("", "", "", position_.bottomSide);
    record::save(recoveryPath_, headers, moves_, moves_.lastMove);
}

void RecordPanel::removeRecovery() {
    if (recoveryPath_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(recoveryPath_), ignored);
}

std::optional<record::KifuLoad> RecordPanel::offerRecovery() {
    if (recoveryPath_.empty()) return std::nullopt;
    const std::filesystem::path path = std::filesystem::u8path(recoveryPath_);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;

    record::KifuLoad loaded = record::load(recoveryPath_);
    if (!loaded.status || loaded.entries.empty()) {
        setAside(path);
        return std::nullopt;
    }
    if (dialogs_.show(translated("Game", kResumeQuestion), kProgramTitle,
                      platform::Buttons::YesNo) != platform::Answer::Yes) {
        removeRecovery();
        return std::nullopt;
    }
    return loaded;
}

}  // namespace flow
