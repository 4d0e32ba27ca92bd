// The main window's menus as data: one row per menu or item, in the order the player sees them.
// Adding an entry is adding a row.
#pragma once

#include <functional>
#include <vector>

namespace flow {
class Game;
class OptionMenu;
class PositionEditing;
}  // namespace flow

namespace app {

// What an item does to the game, or to the part of it that carries the item out.
using Routine = std::function<void(flow::Game&)>;
// An item of the option menu, or of edit mode's bar.
Routine optionRoutine(void (flow::OptionMenu::*routine)());
Routine editRoutine(void (flow::PositionEditing::*routine)());
// Whether an item shows its check mark, read off the game (or the part of it that keeps the mark)
// after every event.
using CheckQuery = std::function<bool(flow::Game&)>;

// Choices of which at most one is ticked at a time.
enum class ExclusiveSet { None, Background, Level, Language, Pieces };

struct MenuRow {
    int depth;            // 0 on the menu bar; n inside the last submenu row above of depth n - 1
    bool submenu;         // a menu of its own; the rows below it of one depth more are its items
    const char* caption;  // the Japanese source (marked with KZ_TEXT where it is translated)
    const char* name;     // the object name tests and the window find it by
    Routine routine;      // an item's action, or what a menu does as it opens (none: nullptr)
    CheckQuery checked;   // empty: no check mark
    ExclusiveSet set;
    const char* keys = nullptr;  // a shortcut in QKeySequence's portable text, e.g. "Ctrl+C"
};

const std::vector<MenuRow>& menuRows();

}  // namespace app
