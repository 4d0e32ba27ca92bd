// The game in English: which language a start takes, the choice in the menu, where it is kept,
// and what follows it at once.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/translation.h"
#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"
#include "view/palette.h"

using lang::Language;
using testsupport::GameRig;

namespace {

const std::vector<std::string> kFiveLines = {"背景画=緑", "移動指導=OFF", "経過時間=ON",
                                             "中国将棋側持駒OK=OFF", "BGM=ON"};

class LanguageTest : public ::testing::Test {
  protected:
    // Whatever a test chose, the next one starts in Japanese.
    void TearDown() override { platform::useLanguage(Language::Japanese); }

    static void start(GameRig& rig, const std::vector<std::string>& extra = {}) {
        std::vector<std::string> lines = kFiveLines;
        lines.insert(lines.end(), extra.begin(), extra.end());
        rig.folder.write("KZソラワ.ini", testsupport::settingsFileBytes(lines));
        rig.game->Form_Load();
    }
    // The refusal of 戻 at the start, in the language in use.
    static void expectBackRefused(GameRig& rig, const std::string& text, const std::string& title) {
        rig.dialogs.expect(text, title);
        rig.game->REPLAY_Click();
        rig.dialogs.verify();
    }
};

TEST_F(LanguageTest, TheSeventhLineDecidesAndWithoutItTheSystem) {
    struct Row {
        Language system;
        std::vector<std::string> extra;  // lines after the five
        Language shown;
    } rows[] = {
        {Language::Japanese, {}, Language::Japanese},
        {Language::English, {}, Language::English},
        {Language::English, {"", "言語=日本語"}, Language::Japanese},
        {Language::Japanese, {"", "言語=English"}, Language::English},
        {Language::English, {"", "言語=english"}, Language::English},  // not one of the two
    };
    for (const Row& row : rows) {
        GameRig rig(row.system);
        start(rig, row.extra);
        EXPECT_EQ(rig.frame.languages, std::vector<Language>{row.shown});
        EXPECT_EQ(rig.game->optionMenu().language(), row.shown);
    }
}

TEST_F(LanguageTest, EnglishTakesEffectAtOnceIsKeptAndJapaneseIsAsBefore) {
    GameRig rig;
    start(rig);
    rig.game->handicapButtons().LBEL_UP_Click();  // a worded label on the board: the handicap grade
    const QImage japanese = rig.canvas.image().copy();

    rig.game->optionMenu().ENGLISH_Click();
    EXPECT_EQ(rig.frame.languages.back(), Language::English);
    EXPECT_NE(rig.canvas.image(), japanese);  // the label is drawn again, in English
    std::vector<std::string> lines = kFiveLines;
    lines.insert(lines.end(), {"棋譜一覧=OFF", "言語=English"});
    EXPECT_EQ(rig.folder.lines("KZソラワ.ini"), lines);
    expectBackRefused(rig, "Not possible", "Back");

    rig.game->optionMenu().JAPANESE_Click();
    EXPECT_EQ(rig.frame.languages.back(), Language::Japanese);
    EXPECT_EQ(rig.canvas.image(), japanese);
    lines.back() = "言語=日本語";
    EXPECT_EQ(rig.folder.lines("KZソラワ.ini"), lines);
    expectBackRefused(rig, "できません", "戻る");
}

// The position editor's caption is longer in English; it must stay clear of the palette.
TEST_F(LanguageTest, TheEditorsCaptionKeepsLeftOfThePalette) {
    GameRig rig;
    start(rig);
    rig.game->optionMenu().ENGLISH_Click();
    rig.game->positionEditing().editPosition();
    rig.game->positionEditing().editSideToMove();  // "second player to move", the longer wording
    const view::Screen& screen = rig.game->screen();
    const double paletteLeft = screen.x(view::kPaletteFirstColumn);
    for (const int colour : {platform::palette::kWhite, platform::palette::kBlack}) {
        EXPECT_EQ(testsupport::countColour(rig.canvas, paletteLeft - 100, screen.y(10), paletteLeft,
                                           screen.y(11), colour),
                  0)
            << colour;
    }
}

}  // namespace
