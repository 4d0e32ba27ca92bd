// Saving the game to a record file through the panel, loading it back into record mode and
// stepping through it; the panel's lists and boxes; every refusal, with nothing lost.
#include <filesystem>
#include <functional>

#include "flow/record_panel_text.h"
#include "record/entry_line.h"
#include "record/kifu_file.h"
#include "rules/setup.h"
#include "support/gui/record_listener.h"
#include "two_player_rig.h"

using namespace rules;
using platform::Answer;
using platform::Buttons;
using platform::PanelBox;
using settings::Sound;

namespace {

class Records : public testsupport::TwoPlayerTest {
  protected:
    testsupport::FakeFilePanel& panel() { return rig.panel; }
    std::filesystem::path folder() const { return rig.folder.path(); }
    std::string pathOf(const std::string& name) const { return (folder() / name).string(); }

    // Three moves with known thinking times; the third, a 歩 taking a 卒, fills the bottom
    // army's stand. Clocks: bottom 7.5 + 3.9, top 1234.25.
    void playThreeTimedMoves() {
        startGame();
        think(7.5);
        move(3, 7, 3, 6);
        think(1234.25);
        move(3, 4, 3, 5);
        think(3.9);
        move(3, 6, 3, 5);
    }
    void think(double seconds) {
        rig.clock.now += seconds;
        game().Timer1_Timer();
    }

    void save(const std::string& name, const std::string& gameName = "練習対局",
              const std::string& sente = "山田", const std::string& gote = "李") {
        game().recordPanel().KIFU_WRITE_Click();
        panel().type(PanelBox::GameName, gameName);
        panel().type(PanelBox::Sente, sente);
        panel().type(PanelBox::Gote, gote);
        panel().type(PanelBox::FileName, name);
        game().recordPanel().Command1_Click();
    }
    void saveExpectingSuccess(const std::string& name) {
        rig.dialogs.expect("棋譜を書き込みました", "  ");
        save(name);
        rig.dialogs.verify();
    }
    // 読込 in the middle of a game asks first; here the record may always replace the game.
    void openToRead() {
        if (state().sideToMove != 0 && !state().kifuMode && game().moves().lastMove >= 1)
            rig.dialogs.expect(kReadQuestion, "棋譜", Buttons::YesNo, Answer::Yes);
        game().KIFU_READ_Click();
    }
    void load(const std::string& fileName) {
        openToRead();
        panel().selected = fileName;
        game().recordPanel().File1_Click();
    }
    void loadExpectingSuccess(const std::string& fileName) {
        openToRead();
        rig.dialogs.expect(" 読み込みました", "棋譜");
        rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜");
        panel().selected = fileName;
        game().recordPanel().File1_Click();
        rig.dialogs.verify();
    }
    static constexpr const char* kReadQuestion = "対局中です。棋譜を読み込みますか？";

    std::vector<std::string> linesOf(const std::string& name) const {
        return rig.folder.lines(name);
    }
    std::vector<std::string> filesInFolder() const { return rig.folder.names(); }

    // Ink of a palette colour in a band of the window (twips).
    int inkIn(double y1, double y2, int colour) {
        return testsupport::countColour(rig.canvas, 0, y1, 15600, y2, colour);
    }
    int gameNameInk() {
        const double y = game().options().recordTitleY;
        return inkIn(y, y + 300, 12);
    }
};

TEST_F(Records, ThreeMovesSavedAsSixLinesAndSteppedThroughAfterLoading) {
    playThreeTimedMoves();
    const record::MoveList played = game().moves();
    ASSERT_EQ(played.lastMove, 3);
    ASSERT_EQ(played[3].ownHandAt[1], 1) << "the 卒 taken is in the bottom army's hand";

    saveExpectingSuccess("game");
    EXPECT_FALSE(panel().anyShown());
    EXPECT_EQ(panel().texts, (std::array<std::string, 4>{})) << "the boxes are emptied";
    EXPECT_EQ(panel().refreshes, 1);
    const std::vector<std::string> lines = linesOf("game.棋譜");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "練習対局");
    EXPECT_EQ(lines[1], "李") << "the top army's player (後手) comes first";
    EXPECT_EQ(lines[2], "山田");
    EXPECT_EQ(lines[5].size(), 289u);
    EXPECT_EQ(lines[5].substr(269), "    7   11 1234 1234");

    // Going on with the game, then loading: the player is asked first, and Yes lets the loaded
    // record replace the game.
    move(4, 7, 4, 6);
    const int nameInkBefore = gameNameInk();
    rig.dialogs.expect(kReadQuestion, "棋譜", Buttons::YesNo, Answer::No);
    game().KIFU_READ_Click();
    EXPECT_FALSE(panel().anyShown()) << "No keeps the game";
    loadExpectingSuccess("game.棋譜");
    EXPECT_FALSE(panel().anyShown());
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(state().sideToMove, SENTE);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(game().moves().lastMove, 3);
    EXPECT_EQ(game().moves().currentMove, 0);
    EXPECT_EQ(game().moves().moveCount, 0);
    Position start;
    layOutStartPosition(start);
    EXPECT_EQ(pos().board, start.board) << "the start position is shown";
    EXPECT_GT(gameNameInk(), nameInkBefore) << "the game's name is printed below the board";
    game().optionMenu().KEIKA_Click();
    game().optionMenu().KEIKA_Click();
    EXPECT_FALSE(rig.timer.on) << "no clock runs in record mode";

    heard();
    for (int n = 1; n <= 3; ++n) {
        game().AFTER_Click();
        const record::MoveEntry& e = played[n];
        EXPECT_EQ(pos().board, e.boardAt) << n;
        EXPECT_EQ(pos().ownHand, e.ownHandAt) << n;
        EXPECT_EQ(pos().enemyHand, e.enemyHandAt) << n;
        // Clocks come back as whole seconds.
        EXPECT_EQ(clocks().bottomClock, static_cast<int>(e.bottomAfter)) << n;
        EXPECT_EQ(clocks().topClock, static_cast<int>(e.topAfter)) << n;
    }
    EXPECT_EQ(pos().ownHandTotal, 1);
    EXPECT_EQ(heard().size(), 3u);
    rig.dialogs.expect("終わり", "進む");
    game().AFTER_Click();
    EXPECT_TRUE(heard().empty()) << "the end of a loaded record is no refusal";

    // 戻 lands on entry 2 and shows the clocks of its row.
    game().REPLAY_Click();
    EXPECT_EQ(clocks().bottomClock, 7);
    EXPECT_EQ(clocks().topClock, 1234);
}

TEST_F(Records, TheMoveListShowsALoadedRecord) {
    playThreeTimedMoves();
    saveExpectingSuccess("三手");
    testsupport::CountingListener listener;
    game().recordView().setRecordListener(&listener);
    loadExpectingSuccess("三手.棋譜");
    EXPECT_GE(listener.changes, 1);
    EXPECT_EQ(testsupport::rowTexts(game()),
              (std::vector<std::string>{"0 開始 ", "1 ７六 歩 00:00:07", "2 ７五 卒 00:20:34",
                                        "3 ７五 歩 00:00:11"}));
    EXPECT_EQ(game().moves().currentMove, 0);
}

TEST_F(Records, PlayersNamesFollowTheArmiesWhenTheBoardIsTurned) {
    game().REVERSE_Click();
    ASSERT_EQ(pos().bottomSide, GOTE);
    startGame();  // the shogi army, now on top, moves first
    move(3, 3, 3, 4);
    ASSERT_EQ(game().moves().lastMove, 1);
    rig.dialogs.expect("棋譜を書き込みました", "  ");
    save("turned", "逆", "Alice", "Bob");
    const std::vector<std::string> lines = linesOf("turned.棋譜");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "Alice") << "the 先手 player sits on top";
    EXPECT_EQ(lines[2], "Bob");
}

// A game from a position set up with the Chinese army to move, played by two humans, saved,
// loaded, stepped through to its end and saved again: the same bytes.
TEST_F(Records, AGameFromASetUpStartLoadsBackWithItsStartAndArmyToMove) {
    game().positionEditing().editPosition();
    setUp("4x4/9/8j/9/9/9/4G4/9/4K4 w - 1");
    game().positionEditing().editDone();
    const Board start = pos().board;
    startGame("後手の番です");
    move(9, 3, 9, 8);
    move(5, 7, 5, 6);
    const Board end = pos().board;
    saveExpectingSuccess("ending");

    loadExpectingSuccess("ending.棋譜");
    EXPECT_EQ(pos().board, start);
    EXPECT_EQ(state().sideToMove, GOTE);
    game().AFTER_Click();
    game().AFTER_Click();
    EXPECT_EQ(pos().board, end);
    EXPECT_EQ(state().sideToMove, GOTE);
    saveExpectingSuccess("again");
    EXPECT_EQ(rig.folder.read("again.棋譜"), rig.folder.read("ending.棋譜"));
}

// A game played on a turned board, saved, loaded and stepped through both ways: every step shows
// what the game showed when the move was played.
class TurnedRecord : public Records {
  protected:
    // What the game showed of one recorded move.
    struct Shown {
        Board board;
        Hand own{}, enemy{};
        SideId bottom = 0;
        Sound sound{};
        QImage moverResult;          // the result of the army that made the move
        std::vector<QImage> stands;  // both stands; none when a move followed in the same event
    };

    TurnedRecord() {
        dropsOn();  // both stands in use
        game().REVERSE_Click();
        played.push_back(
            {pos().board, pos().ownHand, pos().enemyHand, pos().bottomSide, {}, {}, stands()});
        heard();
    }

    // The shogi army, on top, moves first: odd moves are the top army's.
    static bool topMoved(int n) { return n % 2 == 1; }
    QImage result(bool top) { return top ? area(1, -1, 4, 0) : area(13, 2, 17, 3); }
    // The bottom stand's first pixel column is left out: the board's grid lines end on it.
    std::vector<QImage> stands() { return {area(-1, -3, 1, 10), area(11.05, 1, 13, 14)}; }
    // The moves the last event made, as the game showed them.
    void noteMoves() {
        const std::vector<Sound> sounds = heard();
        const int first = static_cast<int>(played.size());
        const int last = game().moves().currentMove;
        ASSERT_EQ(sounds.size(), static_cast<std::size_t>(last - first + 1));
        for (int n = first; n <= last; ++n) {
            const record::MoveEntry& e = game().moves()[n];
            played.push_back({e.boardAt, e.ownHandAt, e.enemyHandAt, pos().bottomSide,
                              sounds[n - first], result(topMoved(n)),
                              n == last ? stands() : std::vector<QImage>{}});
        }
    }
    void expectShows(int n, const char* how) {
        const Shown& s = played[n];
        EXPECT_EQ(pos().board, s.board) << how << n;
        EXPECT_EQ(pos().ownHand, s.own) << how << n;
        EXPECT_EQ(pos().enemyHand, s.enemy) << how << n;
        EXPECT_EQ(pos().bottomSide, s.bottom) << how << n;
        if (!s.stands.empty()) {
            EXPECT_EQ(stands(), s.stands) << how << n;
        }
    }

    // Saves the game, loads it back (with one more line end at its end) and steps through it.
    void replayEveryStep() {
        const int last = game().moves().lastMove;
        ASSERT_EQ(last + 1, static_cast<int>(played.size()));
        saveExpectingSuccess("turned");
        const std::vector<std::string> saved = linesOf("turned.棋譜");
        rig.folder.write("turned.棋譜", rig.folder.read("turned.棋譜") + "\r\n");
        loadExpectingSuccess("turned.棋譜");
        ASSERT_EQ(game().moves().lastMove, last);
        expectShows(0, "loaded: ");
        heard();
        for (int n = 1; n <= last; ++n) {
            game().AFTER_Click();
            expectShows(n, "進 to ");
            EXPECT_EQ(heard(), std::vector<Sound>{played[n].sound}) << n;
            EXPECT_EQ(result(topMoved(n)), played[n].moverResult) << "進 to " << n;
        }
        for (int n = last; n >= 1; --n) {
            game().REPLAY_Click();
            expectShows(n - 1, "戻 to ");
            EXPECT_EQ(heard(), std::vector<Sound>{played[n].sound}) << n;
            // Each army's last move shows as 進 left it: move n - 1, and the mover's move before
            // the one taken back, if it has one.
            if (n >= 2) {
                EXPECT_EQ(result(topMoved(n - 1)), played[n - 1].moverResult) << "戻 from " << n;
            }
            if (n >= 3) {
                EXPECT_EQ(result(topMoved(n)), played[n - 2].moverResult) << "戻 from " << n;
            } else {
                EXPECT_EQ(topMoved(n) ? topResultInk() : bottomResultInk(), 0) << "戻 from " << n;
            }
        }
        // Saved again from record mode, the file is the same, names in their order.
        saveExpectingSuccess("again");
        EXPECT_EQ(linesOf("again.棋譜"), saved);
    }

    std::vector<Shown> played;
};

TEST_F(TurnedRecord, AGameAgainstTheComputerReplaysAsPlayed) {
    game().START2_Click();  // the computer, with the shogi army on top, opens
    noteMoves();
    // The Chinese army's 卒 go up the board; the computer answers each.
    for (const int file : {1, 9, 5}) {
        move(file, 6, file, 5);
        noteMoves();
    }
    replayEveryStep();
}

TEST_F(TurnedRecord, AGameBetweenTwoHumansReplaysAsPlayed) {
    startGame();
    // The top 歩 takes a 卒, which goes to the top army's stand.
    for (const auto [fc, fr, tc, tr] :
         {std::array{3, 3, 3, 4}, {3, 6, 3, 5}, {3, 4, 3, 5}, {5, 6, 5, 5}, {1, 9, 1, 8}}) {
        move(fc, fr, tc, tr);
        noteMoves();
    }
    ASSERT_EQ(pos().enemyHand[1], 1);
    replayEveryStep();
}

TEST_F(Records, APressThatClosesThePanelDoesNothingElse) {
    startGame();
    const std::function<void()> opens[] = {[&] { game().recordPanel().KIFU_WRITE_Click(); },
                                           [&] { game().KIFU_READ_Click(); }};
    for (const auto& open : opens) {
        open();
        press(7, 7);
        EXPECT_FALSE(panel().anyShown());
        EXPECT_FALSE(state().selectState) << "the 歩 is not taken up";
    }
    press(7, 7);
    EXPECT_TRUE(state().selectState);
    EXPECT_TRUE(heard().empty());
}

TEST_F(Records, StartingAGameTakesEveryHeaderLineOffTheWindow) {
    startGame();
    const QImage fresh = rig.canvas.image();
    move(7, 7, 7, 6);
    rig.dialogs.expect("棋譜を書き込みました", "  ");
    save("named", "とても長い対局の名前がここに書かれています", "山田太郎", "李小龍");
    game().CANCEL_Click();
    loadExpectingSuccess("named.棋譜");
    startGame();
    EXPECT_TRUE(rig.canvas.image() == fresh);
}

TEST_F(Records, SavingRefusalsKeepThePanelAndWriteNothing) {
    const std::vector<std::string> before = filesInFolder();

    rig.dialogs.expect("保存するデータがありません", "棋譜保存");
    save("empty");
    EXPECT_TRUE(panel().textVisible) << "the panel stays for another try";
    EXPECT_EQ(panel().text(PanelBox::GameName), "練習対局");

    game().TAIKYOKU_Click();  // opening the 対局 menu closes the panel
    startGame();
    move(7, 7, 7, 6);
    rig.dialogs.expect("ﾌｧｲﾙ名が入力されていません", "  ");
    save("");
    for (const char* bad : {"a/b", ".", "..", "..\\up", "/tmp/x"}) {
        rig.dialogs.expect(std::string("ﾌｧｲﾙ名 '") + bad + "' は使えません", "  ");
        save(bad);
    }
    rig.dialogs.expect("棋譜ﾌｧｲﾙの1行目の文字が正しくありません: " + pathOf("emoji.棋譜"),
                       "棋譜保存");
    save("emoji", "対局😀");

    panel().files = pathOf("gone");
    const std::string missing = pathOf("gone") + "/kifu.棋譜";
    rig.dialogs.expect("棋譜ﾌｧｲﾙを作成できません: " + missing + " (No such file or directory)",
                       "棋譜保存");
    save("kifu");
    EXPECT_TRUE(panel().textVisible);
    EXPECT_EQ(panel().text(PanelBox::FileName), "kifu");
    EXPECT_EQ(panel().refreshes, 0);
    EXPECT_EQ(filesInFolder(), before);
    EXPECT_EQ(game().moves().lastMove, 1) << "the game goes on untouched";
    EXPECT_EQ(state().sideToMove, GOTE);
}

TEST_F(Records, ANameWithTheExtensionGetsItTwiceAndReplacesTheOldFile) {
    rig.folder.write("kifu.棋譜.棋譜", "old text\r\n");
    startGame();
    move(7, 7, 7, 6);
    saveExpectingSuccess("kifu.棋譜");
    EXPECT_EQ(linesOf("kifu.棋譜.棋譜").size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(folder() / "kifu.棋譜"));
}

TEST_F(Records, ARecordThatCannotBeReadLeavesTheGameAsItWas) {
    // The faulty files.
    const std::string headers = "a\r\nb\r\nc\r\n";
    record::MoveEntry plain;
    plain.boardAt = game().moves()[0].boardAt;
    const std::string line = record::encodeEntryLine(plain) + "\r\n";
    std::string tooLong = headers;
    for (int i = 0; i < 401; ++i) tooLong += line;
    rig.folder.write("long.棋譜", tooLong);
    rig.folder.write("code.棋譜", headers + " 99" + line.substr(3));
    rig.folder.write("text.棋譜", "\x81\r\nb\r\nc\r\n" + line);
    std::filesystem::create_directory(folder() / "dir.棋譜");

    startGame();
    move(7, 7, 7, 6);
    move(7, 4, 7, 5);
    const record::MoveList moves = game().moves();
    const Position position = pos();
    const flow::GameState gameState = state();

    for (const char* name : {"long.棋譜", "code.棋譜", "text.棋譜", "none.棋譜", "dir.棋譜"}) {
        const std::string path = pathOf(name);
        const std::string text = record::describe(record::load(path).status);
        EXPECT_NE(text.find(path), std::string::npos) << "the message names the file: " << text;
        openToRead();
        rig.dialogs.expect(text, "棋譜");
        panel().selected = name;
        game().recordPanel().File1_Click();
        rig.dialogs.verify();
        EXPECT_FALSE(panel().anyShown()) << name;
        EXPECT_FALSE(state().kifuMode) << name;
        EXPECT_EQ(state().sideToMove, gameState.sideToMove) << name;
        EXPECT_EQ(game().moves().lastMove, moves.lastMove) << name;
        EXPECT_EQ(game().moves().currentMove, moves.currentMove) << name;
        EXPECT_TRUE(game().moves().entries == moves.entries) << name;
        EXPECT_EQ(pos().board, position.board) << name;
    }
    // The game goes on from where it was.
    move(6, 7, 6, 6);
    EXPECT_EQ(game().moves().lastMove, 3);
}

TEST_F(Records, ARecordWithoutMovesLeavesRecordModeWithNothingToStep) {
    rig.folder.write("headers.棋譜", "a\r\nb\r\nc\r\n");
    rig.dialogs.expect("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
    load("headers.棋譜");
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(game().moves().lastMove, 0);
    // A press asks to step with 進; No leaves record mode.
    heard();
    rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Answer::No);
    press(5, 5);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_FALSE(state().kifuMode);
}

TEST_F(Records, RecordModeRefusesTurningAndHandicapAndEndsWithANewGame) {
    playThreeTimedMoves();
    saveExpectingSuccess("game");
    const int nameInkBefore = gameNameInk();
    loadExpectingSuccess("game.棋譜");
    ASSERT_GT(gameNameInk(), nameInkBefore);
    heard();

    rig.dialogs.expect("棋譜ﾓｰﾄﾞではできません", "反転");
    game().REVERSE_Click();
    rig.dialogs.expect("棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    game().handicapButtons().LBEL_UP_Click();
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::禁止, Sound::禁止}));
    EXPECT_EQ(pos().bottomSide, SENTE);

    // Yes to the advice keeps the record.
    rig.dialogs.expect("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Answer::Yes);
    press(5, 5);
    EXPECT_TRUE(state().kifuMode);
    EXPECT_EQ(game().moves().lastMove, 3);

    game().AFTER_Click();
    startGame("後手の番です");
    EXPECT_FALSE(state().kifuMode);
    EXPECT_EQ(gameNameInk(), nameInkBefore) << "the game's name below the board is wiped";
}

TEST_F(Records, PanelShowsWhatEachMenuItemAsksAndEveryOtherCommandHidesIt) {
    game().recordPanel().KIFU_WRITE_Click();
    EXPECT_TRUE(panel().directoryVisible);
    EXPECT_FALSE(panel().fileVisible);
    EXPECT_TRUE(panel().textVisible);
    panel().type(PanelBox::Sente, "山田");
    game().recordPanel().KIFU_WRITE_Click();
    EXPECT_EQ(panel().text(PanelBox::Sente), "山田") << "opening it again keeps the texts";
    game().KIFU_READ_Click();
    EXPECT_TRUE(panel().directoryVisible);
    EXPECT_TRUE(panel().fileVisible);
    EXPECT_FALSE(panel().textVisible);
    EXPECT_EQ(panel().text(PanelBox::Sente), "");

    // The file list follows the directory list when the directory list says so.
    panel().directory = "/elsewhere";
    panel().selected = "x.棋譜";
    game().recordPanel().Dir1_Change();
    EXPECT_EQ(panel().files, "/elsewhere");
    EXPECT_EQ(panel().selected, "");

    const std::pair<const char*, std::function<void()>> hiders[] = {
        {"board press", [&] { press(5, 5); }},
        {"対局", [&] { game().TAIKYOKU_Click(); }},
        {"局面", [&] { game().STOP_Click(); }},
        {"ｵﾌﾟｼｮﾝ", [&] { game().optionMenu().OPTION_Click(); }},
        {"戻",
         [&] {
             rig.dialogs.expect("できません", "戻る");
             game().REPLAY_Click();
         }},
        {"進",
         [&] {
             rig.dialogs.expect("「対局」で始めて下さい", "開始");
             game().AFTER_Click();
         }},
    };
    for (const auto& [what, hide] : hiders) {
        game().KIFU_READ_Click();
        game().recordPanel().KIFU_WRITE_Click();
        panel().type(PanelBox::FileName, "name");
        hide();
        EXPECT_FALSE(panel().anyShown()) << what;
        EXPECT_EQ(panel().text(PanelBox::FileName), "") << what;
    }
}

TEST(RecordPanelHelpers, HeaderLinesAreCentredByTheirCharacters) {
    EXPECT_DOUBLE_EQ(flow::取得_棋譜のX座標(""), 1050 + 2227.5);
    EXPECT_DOUBLE_EQ(flow::取得_棋譜のX座標("ab"), 1050 + 2227.5 - 45);
    EXPECT_DOUBLE_EQ(flow::取得_棋譜のX座標("対局"), 1050 + 2227.5 - 45) << "characters, not bytes";
}

TEST(RecordPanelHelpers, NamesARecordMayBeSavedUnder) {
    for (const char* good : {"a", "対局1", "x.棋譜", "...", ".hidden", "a b"})
        EXPECT_TRUE(flow::usableRecordName(good)) << good;
    for (const char* bad : {"", ".", "..", "a/b", "/abs", "a\\b"})
        EXPECT_FALSE(flow::usableRecordName(bad)) << bad;
    EXPECT_FALSE(flow::usableRecordName(std::string("a\0b", 3)));
}

}  // namespace
