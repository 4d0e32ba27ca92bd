#include "flow/game.h"
#include "flow/texts.h"

namespace flow {

namespace {

// The about box, its lines joined by carriage returns.
const char* const kAboutText = KZ_TEXT("Game",
                                       "KZ ソラワ  Version 1.0    [2/2000]\r"
                                       "\r"
                                       "KZ ソラワ 制作室\r"
                                       "\r"
                                       "Home page\r"
                                       "https://kzsorawa.example.jp/\r"
                                       "\r"
                                       "e-mail\r"
                                       "kzsorawa@example.jp");
const char* const kAboutTitle = "KZ ソラワ";

}  // namespace

void Game::OPTION_Click() {
    hideFilePanel();
}

void Game::MIDORI_Click() {
    backgroundClick(settings::kMidori);
}
void Game::TATAMI_Click() {
    backgroundClick(settings::kTatami);
}
void Game::TAKE_Click() {
    backgroundClick(settings::kTake);
}
void Game::UCHU_Click() {
    backgroundClick(settings::kUchu);
}
void Game::RENGA_Click() {
    backgroundClick(settings::kRenga);
}

void Game::backgroundClick(int code) {
    if (options_.checkedBackground != code) {
        settings::selectBackground(options_, code);
        options_.background = code;
    }
    writeSettings();
    画面_再描画();
}

void Game::SIDOU_Click() {
    if (options_.guidance) {
        // Switching guidance off wipes every mark it may have left.
        screen_.描画_将棋盤桝();
        for (int r = 1; r <= 7; ++r)
            screen_.描画_桝輪郭(settings::kOutlineColour, rules::kTopHandX, r);
        for (int r = 3; r <= 9; ++r)
            screen_.描画_桝輪郭(settings::kOutlineColour, rules::kBottomHandX, r);
        options_.guidance = false;
        options_.guidanceColour = settings::kOutlineColour;
    } else {
        options_.guidance = true;
        options_.guidanceColour = settings::kGuidanceColour;
    }
    writeSettings();
}

void Game::KEIKA_Click() {
    if (options_.elapsedTime) {
        options_.elapsedTime = false;
        timer_.setEnabled(false);
        消去_所有時間(position_.topSide);
        消去_所有時間(position_.bottomSide);
    } else {
        options_.elapsedTime = true;
        // Only a game being played has a clock to run; the mover's goes on from its turn's start.
        timer_.setEnabled(gameBeingPlayed());
        描画_所有時間(position_.topSide, state_.topClock);
        描画_所有時間(position_.bottomSide, state_.bottomClock);
    }
    writeSettings();
}

void Game::CHESS_MOCHIKOMA_Click() {
    if (options_.chineseDrops) {
        options_.chineseDrops = false;
        options_.applyDropsLayout(false);
        frame_.setHeightTwips(options_.windowHeight);
        // A piece held on a stand that has just closed is let go: it may not be dropped now.
        if (state_.selectState == 1 && rules::isDropFrom(state_.fromX) &&
            !standCellOpen(state_.fromX, fromCell())) {
            state_.selectState = 0;
        }
    } else {
        options_.chineseDrops = true;
        options_.applyDropsLayout(true);
        frame_.setHeightTwips(options_.windowHeight);
        frame_.moveToTop();
    }
    writeSettings();
    画面_再描画();
}

void Game::BGM_Click() {
    if (!options_.music) {
        options_.music = true;
        sounds_.loop(settings::Sound::BGM);
    } else {
        options_.music = false;
        sounds_.stop(settings::Sound::BGM);
    }
    writeSettings();
}

void Game::JAPANESE_Click() {
    languageClick(platform::Language::Japanese);
}
void Game::ENGLISH_Click() {
    languageClick(platform::Language::English);
}

platform::Language Game::language() const {
    return options_.language.value_or(systemLanguage_);
}

void Game::languageClick(platform::Language language) {
    options_.language = language;
    frame_.setLanguage(language);
    writeSettings();
    screen_.redrawLabels();
    canvas_.repaintNow();
}

void Game::KANJI_PIECES_Click() {
    pieceSetClick(platform::PieceSet::Kanji);
}
void Game::INTERNATIONAL_PIECES_Click() {
    pieceSetClick(platform::PieceSet::International);
}

void Game::pieceSetClick(platform::PieceSet set) {
    options_.pieceSet = set;
    writeSettings();
    // The board, the stands and the ranks' labels in the set; the last moves named again.
    画面_再描画();
    showRecentMoveResults(moves_.currentMove);
    canvas_.repaintNow();
    recordChanged();
}

void Game::VER_Click() {
    hideFilePanel();
    sounds_.play(settings::Sound::その他);
    dialogs_.show(translated("Game", kAboutText), kAboutTitle, platform::Buttons::Ok);
}

}  // namespace flow
