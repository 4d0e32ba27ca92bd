// The game-record panel: choosing a folder, loading a record into record mode and saving the
// game, and the header lines a loaded record prints around the board.
#include "flow/record_panel_text.h"

#include "flow/game.h"
#include "record/kifu_file.h"
#include "rules/setup.h"
#include "view/layout.h"

namespace flow {

namespace {

constexpr double kHeaderFontSize = 12;
constexpr int kGameNameColour = platform::palette::kRed;
constexpr int kPlayerColour = platform::palette::kWhite;
// The top army's player is printed above the board, the bottom army's at this height.
constexpr double kTopPlayerY = 100;
constexpr double kBottomPlayerY = 6350;

// Characters of a UTF-8 text (continuation bytes are not counted).
int characters(const std::string& text) {
    int n = 0;
    for (const unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

const char* const kSaveTitle = "棋譜保存";
const char* const kRecordTitle = "棋譜";
const char* const kBlankTitle = "  ";

}  // namespace

double 取得_棋譜のX座標(const std::string& text) {
    return view::kBoardLeft + (9 * view::kSquareWidth) / 2 - (45.0 * characters(text)) / 2;
}

bool usableRecordName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

void Game::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Game::KIFU_WRITE_Click() {
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

// There is no drive list on this platform; its flag is kept so every caller reads as before.
void Game::描画_可視(bool, bool directory, bool file) {
    filePanel_.setDirectoryListVisible(directory);
    filePanel_.setFileListVisible(file);
}

void Game::描画_棋譜_IO(int mode) {
    if (mode == 0) {
        filePanel_.setTextPanelVisible(true);
        return;
    }
    filePanel_.setTextPanelVisible(false);
    for (const platform::PanelBox box : {platform::PanelBox::FileName, platform::PanelBox::GameName,
                                         platform::PanelBox::Sente, platform::PanelBox::Gote})
        filePanel_.setText(box, "");
}

void Game::hideFilePanel() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Game::Dir1_Change() {
    filePanel_.setFilePath(filePanel_.directoryPath());
}

void Game::Command1_Click() {
    using platform::PanelBox;
    const std::string name = filePanel_.text(PanelBox::FileName);
    if (name.empty()) {
        dialogs_.show("ﾌｧｲﾙ名が入力されていません", kBlankTitle, platform::Buttons::Ok);
        return;
    }
    if (!usableRecordName(name)) {
        dialogs_.show("ﾌｧｲﾙ名 '" + name + "' は使えません", kBlankTitle, platform::Buttons::Ok);
        return;
    }
    if (moves_.lastMove < 1) {
        dialogs_.show("保存するデータがありません", kSaveTitle, platform::Buttons::Ok);
        return;
    }

    const std::string path = filePanel_.filePath() + "/" + name + record::kKifuExtension;
    const record::KifuHeaders headers =
        record::headerLines(filePanel_.text(PanelBox::GameName), filePanel_.text(PanelBox::Sente),
                            filePanel_.text(PanelBox::Gote), position_.bottomSide);
    const record::KifuStatus saved = record::save(path, headers, moves_, moves_.lastMove);
    if (!saved) {
        // The panel stays as it is, so the player can put the name right and try again.
        dialogs_.show(record::describe(saved), kSaveTitle, platform::Buttons::Ok);
        return;
    }
    hideFilePanel();
    filePanel_.refreshFiles();
    // The game is safe in the player's own record now.
    removeRecovery();
    dialogs_.show("棋譜を書き込みました", kBlankTitle, platform::Buttons::Ok);
}

void Game::File1_Click() {
    描画_可視(false, false, false);
    const std::string name = filePanel_.selectedFile();
    if (name.empty()) return;

    // The whole file is read and checked before anything of the game is touched: a record that
    // cannot be read leaves the board and the move list as they were.
    const record::KifuLoad loaded = record::load(filePanel_.filePath() + "/" + name);
    if (!loaded.status) {
        dialogs_.show(record::describe(loaded.status), kRecordTitle, platform::Buttons::Ok);
        return;
    }
    enterRecordMode(loaded);
    if (moves_.lastMove == 0) {
        dialogs_.show("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", kRecordTitle, platform::Buttons::Ok);
        return;
    }
    dialogs_.show(" 読み込みました", kRecordTitle, platform::Buttons::Ok);
    dialogs_.show("棋譜を '進 'で進めて下さい", kRecordTitle, platform::Buttons::Ok);
    rules::調査_先手後手(position_);
    state_.sideToMove = rules::SENTE;
}

void Game::enterRecordMode(const record::KifuLoad& loaded) {
    // The record goes in first: the reset then lays out its start the way its moves were played.
    record::applyTo(loaded, moves_);
    初期設定();
    state_.kifuMode = 1;
    const record::KifuHeaders& h = loaded.headers;
    const std::pair<double, int> lines[3] = {{options_.recordTitleY, kGameNameColour},
                                             {kTopPlayerY, kPlayerColour},
                                             {kBottomPlayerY, kPlayerColour}};
    for (int i = 0; i < 3; ++i) {
        const double column = (取得_棋譜のX座標(h[i]) - view::kBoardLeft) / view::kSquareWidth;
        const double row = (lines[i].first - options_.boardTop) / view::kSquareHeight;
        screen_.描画_数値(column, row, h[i], lines[i].second, kHeaderFontSize);
    }
    canvas_.repaintNow();

    recordChanged();
}

void Game::描画_棋譜読込み部分消去() {
    screen_.描画_桝_数値();
    for (int x = 1; x <= 9; ++x) {
        screen_.描画_絵(options_.background, x, 10);
        screen_.描画_桝輪郭(kWindowColour, x, 9);
    }
}

}  // namespace flow
