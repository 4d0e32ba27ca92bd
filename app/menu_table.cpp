#include "app/menu_table.h"

#include "flow/game.h"
#include "lang/language.h"

namespace app {
namespace {

using G = flow::Game;
using M = flow::OptionMenu;
using C = flow::ComputerOpponent;
using S = ExclusiveSet;
constexpr auto O = optionRoutine;

MenuRow menu(int depth, const char* caption, const char* name, Routine onOpen = nullptr) {
    return {depth, true, caption, name, onOpen, {}, S::None};
}
MenuRow item(int depth, const char* caption, const char* name, Routine routine,
             CheckQuery checked = {}, S set = S::None) {
    return {depth, false, caption, name, routine, std::move(checked), set};
}
MenuRow keyed(int depth, const char* caption, const char* name, Routine routine, const char* keys) {
    return {depth, false, caption, name, routine, {}, S::None, keys};
}

// Items the computer opponent, the clipboard commands or the record's view carry out.
Routine opponent(void (flow::ComputerOpponent::*routine)()) {
    return [routine](G& g) { (g.opponent().*routine)(); };
}
Routine clipboard(void (flow::ClipboardCommands::*routine)()) {
    return [routine](G& g) { (g.clipboard().*routine)(); };
}
Routine recordView(void (flow::RecordView::*routine)()) {
    return [routine](G& g) { (g.recordView().*routine)(); };
}

CheckQuery background(int code) {
    return [code](G& g) { return g.options().checkedBackground == code; };
}
CheckQuery level(int n) {
    return [n](G& g) { return g.state().checkedLevel == n; };
}
CheckQuery language(lang::Language l) {
    return [l](G& g) { return g.optionMenu().language() == l; };
}
CheckQuery pieceSet(platform::PieceSet set) {
    return [set](G& g) { return g.options().pieceSet == set; };
}
CheckQuery option(bool settings::Options::*mark) {
    return [mark](G& g) { return g.options().*mark; };
}

}  // namespace

Routine optionRoutine(void (flow::OptionMenu::*routine)()) {
    return [routine](G& g) { (g.optionMenu().*routine)(); };
}

Routine editRoutine(void (flow::PositionEditing::*routine)()) {
    return [routine](G& g) { (g.positionEditing().*routine)(); };
}

const std::vector<MenuRow>& menuRows() {
    using settings::Options;
    static const std::vector<MenuRow> rows = {
        menu(0, KZ_TEXT("Menu", "対局"), "TAIKYOKU", &G::TAIKYOKU_Click),
        item(1, KZ_TEXT("Menu", "対局(人間)"), "MATCH_MAN", &G::MATCH_MAN_Click),
        item(1, KZ_TEXT("Menu", "対局(COM)"), "START2", &G::START2_Click),
        menu(1, KZ_TEXT("Menu", "COM対局ﾚﾍﾞﾙ"), "LEVEL"),
        item(2, "LEVEL1", "LEVEL1", opponent(&C::LEVEL1_Click), level(1), S::Level),
        item(2, "LEVEL2", "LEVEL2", opponent(&C::LEVEL2_Click), level(2), S::Level),
        item(2, "LEVEL3", "LEVEL3", opponent(&C::LEVEL3_Click), level(3), S::Level),
        item(2, "LEVEL4", "LEVEL4", opponent(&C::LEVEL4_Click), level(4), S::Level),
        item(2, "LEVEL5", "LEVEL5", opponent(&C::LEVEL5_Click), level(5), S::Level),
        item(1, KZ_TEXT("Menu", "終わり"), "OWARI", &G::OWARI_Click),
        item(1, KZ_TEXT("Menu", "ヒント"), "HINT", opponent(&C::HINT_Click)),

        menu(0, KZ_TEXT("Menu", "局面"), "STOP", &G::STOP_Click),
        item(1, KZ_TEXT("Menu", "最初"), "CANCEL", &G::CANCEL_Click),
        item(1, KZ_TEXT("Menu", "反転"), "REVERSE", &G::REVERSE_Click),
        item(1, KZ_TEXT("Menu", "局面編集"), "EDIT_POSITION",
             editRoutine(&flow::PositionEditing::editPosition)),

        item(0, KZ_TEXT("Menu", "戻"), "REPLAY", &G::REPLAY_Click),
        item(0, KZ_TEXT("Menu", "進"), "AFTER", &G::AFTER_Click),
        item(0, "△", "LBEL_UP", [](G& g) { g.handicapButtons().LBEL_UP_Click(); }),
        item(0, "▽", "LEBEL_DOWN", [](G& g) { g.handicapButtons().LEBEL_DOWN_Click(); }),

        menu(0, KZ_TEXT("Menu", "棋譜"), "KIFU"),
        item(1, KZ_TEXT("Menu", "読込"), "KIFU_READ", &G::KIFU_READ_Click),
        item(1, KZ_TEXT("Menu", "書込"), "KIFU_WRITE",
             [](G& g) { g.recordPanel().KIFU_WRITE_Click(); }),
        keyed(1, KZ_TEXT("Menu", "局面をコピー"), "COPY_POSITION",
              clipboard(&flow::ClipboardCommands::COPY_POSITION_Click), "Ctrl+C"),
        item(1, KZ_TEXT("Menu", "棋譜をコピー"), "COPY_RECORD",
             clipboard(&flow::ClipboardCommands::COPY_RECORD_Click)),
        keyed(1, KZ_TEXT("Menu", "貼り付け"), "PASTE",
              clipboard(&flow::ClipboardCommands::PASTE_Click), "Ctrl+V"),
        // Captioned 解析中止 by the window while the review runs.
        item(1, KZ_TEXT("Menu", "棋譜解析"), "KIFU_ANALYSE",
             recordView(&flow::RecordView::KIFU_ANALYSE_Click)),

        menu(0, KZ_TEXT("Menu", "ｵﾌﾟｼｮﾝ"), "OPTION", O(&M::OPTION_Click)),
        menu(1, KZ_TEXT("Menu", "背景画"), "HAIKEI_GA"),
        item(2, KZ_TEXT("Menu", "緑"), "MIDORI", O(&M::MIDORI_Click), background(settings::kMidori),
             S::Background),
        item(2, KZ_TEXT("Menu", "畳"), "TATAMI", O(&M::TATAMI_Click), background(settings::kTatami),
             S::Background),
        item(2, KZ_TEXT("Menu", "竹"), "TAKE", O(&M::TAKE_Click), background(settings::kTake),
             S::Background),
        item(2, KZ_TEXT("Menu", "宇宙"), "UCHU", O(&M::UCHU_Click), background(settings::kUchu),
             S::Background),
        item(2, KZ_TEXT("Menu", "煉瓦"), "RENGA", O(&M::RENGA_Click), background(settings::kRenga),
             S::Background),
        item(1, KZ_TEXT("Menu", "移動指導"), "SIDOU", O(&M::SIDOU_Click),
             option(&Options::guidance)),
        item(1, KZ_TEXT("Menu", "経過時間"), "KEIKA", O(&M::KEIKA_Click),
             option(&Options::elapsedTime)),
        item(1, KZ_TEXT("Menu", "中国側持駒OK"), "CHESS_MOCHIKOMA", O(&M::CHESS_MOCHIKOMA_Click),
             option(&Options::chineseDrops)),
        item(1, "BGM", "BGM", O(&M::BGM_Click), option(&Options::music)),
        item(1, KZ_TEXT("Menu", "棋譜一覧"), "MOVE_LIST", O(&M::MOVE_LIST_Click),
             option(&Options::moveList)),
        // Each reader finds the language submenu, and each language by its own name.
        menu(1, "言語 / Language", "LANGUAGE"),
        item(2, "日本語", "JAPANESE", O(&M::JAPANESE_Click), language(lang::Language::Japanese),
             S::Language),
        item(2, "English", "ENGLISH", O(&M::ENGLISH_Click), language(lang::Language::English),
             S::Language),
        menu(1, KZ_TEXT("Menu", "駒の種類"), "PIECES"),
        item(2, KZ_TEXT("Menu", "漢字"), "KANJI_PIECES", O(&M::KANJI_PIECES_Click),
             pieceSet(platform::PieceSet::Kanji), S::Pieces),
        item(2, "International", "INTERNATIONAL_PIECES", O(&M::INTERNATIONAL_PIECES_Click),
             pieceSet(platform::PieceSet::International), S::Pieces),

        item(0, KZ_TEXT("Menu", "その他"), "VER", O(&M::VER_Click)),
    };
    return rows;
}

}  // namespace app
