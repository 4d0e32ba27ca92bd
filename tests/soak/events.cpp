#include "soak/events.h"

#include <cmath>
#include <cstdio>

#include "view/layout.h"

namespace soak {

namespace {

constexpr double kDay = 86400;

void runCommand(flow::Game& g, Command c) {
    switch (c) {
        case Command::MatchMan:
            g.MATCH_MAN_Click();
            break;
        case Command::Start2:
            g.START2_Click();
            break;
        case Command::Level1:
            g.opponent().LEVEL1_Click();
            break;
        case Command::Level2:
            g.opponent().LEVEL2_Click();
            break;
        case Command::Level3:
            g.opponent().LEVEL3_Click();
            break;
        case Command::Owari:
            g.OWARI_Click();
            break;
        case Command::Taikyoku:
            g.TAIKYOKU_Click();
            break;
        case Command::Stop:
            g.STOP_Click();
            break;
        case Command::Cancel:
            g.CANCEL_Click();
            break;
        case Command::Reverse:
            g.REVERSE_Click();
            break;
        case Command::Replay:
            g.REPLAY_Click();
            break;
        case Command::After:
            g.AFTER_Click();
            break;
        case Command::Up:
            g.handicapButtons().LBEL_UP_Click();
            break;
        case Command::Down:
            g.handicapButtons().LEBEL_DOWN_Click();
            break;
        case Command::Option:
            g.optionMenu().OPTION_Click();
            break;
        case Command::Midori:
            g.optionMenu().MIDORI_Click();
            break;
        case Command::Tatami:
            g.optionMenu().TATAMI_Click();
            break;
        case Command::Take:
            g.optionMenu().TAKE_Click();
            break;
        case Command::Uchu:
            g.optionMenu().UCHU_Click();
            break;
        case Command::Renga:
            g.optionMenu().RENGA_Click();
            break;
        case Command::Sidou:
            g.optionMenu().SIDOU_Click();
            break;
        case Command::Keika:
            g.optionMenu().KEIKA_Click();
            break;
        case Command::ChessMochikoma:
            g.optionMenu().CHESS_MOCHIKOMA_Click();
            break;
        case Command::Bgm:
            g.optionMenu().BGM_Click();
            break;
        case Command::Ver:
            g.optionMenu().VER_Click();
            break;
        case Command::Unload:
            g.Form_Unload();
            break;
        case Command::Dir1Change:
            g.recordPanel().Dir1_Change();
            break;
    }
}

}  // namespace

const char* commandName(Command c) {
    switch (c) {
        case Command::MatchMan:
            return "対局(人間)";
        case Command::Start2:
            return "対局(COM)";
        case Command::Level1:
            return "LEVEL1";
        case Command::Level2:
            return "LEVEL2";
        case Command::Level3:
            return "LEVEL3";
        case Command::Owari:
            return "終わり";
        case Command::Taikyoku:
            return "menu 対局";
        case Command::Stop:
            return "menu 局面";
        case Command::Cancel:
            return "最初";
        case Command::Reverse:
            return "反転";
        case Command::Replay:
            return "戻";
        case Command::After:
            return "進";
        case Command::Up:
            return "△";
        case Command::Down:
            return "▽";
        case Command::Option:
            return "menu ｵﾌﾟｼｮﾝ";
        case Command::Midori:
            return "背景 緑";
        case Command::Tatami:
            return "背景 畳";
        case Command::Take:
            return "背景 竹";
        case Command::Uchu:
            return "背景 宇宙";
        case Command::Renga:
            return "背景 煉瓦";
        case Command::Sidou:
            return "移動指導";
        case Command::Keika:
            return "経過時間";
        case Command::ChessMochikoma:
            return "中国側持駒OK";
        case Command::Bgm:
            return "BGM";
        case Command::Ver:
            return "その他";
        case Command::Unload:
            return "window closed";
        case Command::Dir1Change:
            return "folder entered";
    }
    return "?";
}

void apply(SoakRig& rig, const Event& e) {
    // The day clock runs on between events and starts again at midnight.
    rig.clock.now += e.advance;
    while (rig.clock.now >= kDay) rig.clock.now -= kDay;

    flow::Game& g = *rig.game;
    switch (e.kind) {
        case Event::Kind::Press:
            g.Form_MouseDown(e.button, e.x, e.y);
            break;
        case Event::Kind::Command:
            runCommand(g, e.command);
            break;
        case Event::Kind::Key:
            g.Form_KeyPress(e.key);
            break;
        case Event::Kind::Tick:
            // The window's timer only fires while it is enabled.
            if (rig.timer.enabled()) g.Timer1_Timer();
            break;
        case Event::Kind::Save:
            g.recordPanel().KIFU_WRITE_Click();
            rig.panel.type(platform::PanelBox::FileName, e.fileName);
            rig.panel.type(platform::PanelBox::GameName, e.gameName);
            rig.panel.type(platform::PanelBox::Sente, e.sente);
            rig.panel.type(platform::PanelBox::Gote, e.gote);
            g.recordPanel().Command1_Click();
            break;
        case Event::Kind::Load:
            g.KIFU_READ_Click();
            if (!rig.panel.fileVisible) break;  // the player kept the game in progress
            rig.panel.selected = e.fileName;
            g.recordPanel().File1_Click();
            break;
    }
    while (rig.clock.now >= kDay) rig.clock.now -= kDay;
}

std::string describe(const Event& e) {
    char buf[256];
    std::string out;
    switch (e.kind) {
        case Event::Kind::Press: {
            const double c = std::floor((e.x - view::kBoardLeft) / view::kSquareWidth);
            const double r = std::floor((e.y - e.boardTop) / view::kSquareHeight);
            std::snprintf(buf, sizeof buf, "press %s x=%.3f y=%.3f (cell %.0f,%.0f)",
                          e.button == flow::kRightButton ? "right" : "left", e.x, e.y, c, r);
            out = buf;
            break;
        }
        case Event::Kind::Command:
            out = commandName(e.command);
            break;
        case Event::Kind::Key:
            out = "key " + std::to_string(e.key);
            break;
        case Event::Kind::Tick:
            out = "tick";
            break;
        case Event::Kind::Save:
            out =
                "save '" + e.fileName + "' [" + e.gameName + " / " + e.sente + " / " + e.gote + "]";
            break;
        case Event::Kind::Load:
            out = "load '" + e.fileName + "'";
            break;
    }
    if (e.advance > 0) {
        std::snprintf(buf, sizeof buf, " +%.2fs", e.advance);
        out += buf;
    }
    if (!e.note.empty()) out += "  (" + e.note + ")";
    return out;
}

}  // namespace soak
