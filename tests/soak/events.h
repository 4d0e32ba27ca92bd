// The soak's events: what a player does to the window, kept as data so a failing game can be
// printed event by event.
#pragma once

#include <string>

#include "soak/soak_rig.h"

namespace soak {

// Menu commands and the other window events without arguments.
enum class Command {
    MatchMan,  // 対局(人間)
    Start2,    // 対局(COM)
    Level1,
    Level2,
    Level3,
    Owari,     // 終わり
    Taikyoku,  // the 対局 menu opened
    Stop,      // the 局面 menu opened
    Cancel,    // 最初
    Reverse,   // 反転
    Replay,    // 戻
    After,     // 進
    Up,        // △
    Down,      // ▽
    Option,    // the ｵﾌﾟｼｮﾝ menu opened
    Midori,
    Tatami,
    Take,
    Uchu,
    Renga,
    Sidou,           // 移動指導
    Keika,           // 経過時間
    ChessMochikoma,  // 中国側持駒OK
    Bgm,
    Ver,        // その他
    Unload,     // the window closed
    Dir1Change  // the directory list entered its folder
};

const char* commandName(Command c);

struct Event {
    enum class Kind { Press, Command, Key, Tick, Save, Load };
    Kind kind = Kind::Tick;
    double advance = 0;  // seconds the day clock moves on before the event

    // Press: the button and the position in twips.
    int button = 1;
    double x = 0, y = 0;
    double boardTop = 0;  // the board's top edge when the press was planned, for the printout
    // Command.
    Command command = Command::MatchMan;
    // Key.
    int key = 0;
    // Save: the four boxes (file name first); Load: the file clicked (empty: none).
    std::string fileName, gameName, sente, gote;
    bool badText = false;      // a save whose header cannot be written as CP932
    bool missingFile = false;  // a load of a file that is not there
    // What the planner meant by it, for the printout ("move 7,7 -> 7,6").
    std::string note;
};

// Carries the event out on the rig's game.
void apply(SoakRig& rig, const Event& e);

// One line for the printout.
std::string describe(const Event& e);

}  // namespace soak
