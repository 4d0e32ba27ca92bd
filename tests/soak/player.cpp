#include "soak/player.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#include "record/kifu_file.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"
#include "rules/promotion.h"
#include "rules/setup.h"
#include "view/layout.h"

namespace soak {

namespace {

// Names typed into the panel's boxes. The file names include the ones the panel refuses.
constexpr std::array kFileNames = {
    "soak", "対局", "a b",      "x.棋譜", ".dot",  "名人戦",
    "ｹﾞｰﾑ", "",     "bad/name", "..",     "第2局", "long-name-of-a-record-kept-for-later-study"};
constexpr std::array kHeaderTexts = {"",           "名人戦",   "Soak",    "ｹﾞｰﾑ",
                                     "王将 vs 将", "先手太郎", "後手花子"};
// Not a CP932 character: a save with it in a header is refused.
constexpr const char* kBadHeader = "\xF0\x9F\x98\x80";

}  // namespace

Style Style::pick(Random& r) {
    Style s;
    // Most games are short; some run long enough to fill the record.
    const int length = r.weighted({70, 25, 5});
    s.maxEvents = length == 0 ? r.between(40, 300) : length == 1 ? r.between(300, 600) : 2500;
    s.avoidKingCapture = r.unit();
    s.preferCapture = r.unit() * 0.6;
    s.wildPress = 0.03 + r.unit() * 0.2;
    s.computer = r.unit();
    if (length == 2) {
        // A long game between two humans that keeps its kings, so the record fills up.
        s.avoidKingCapture = 0.9995;
        s.wildPress = 0.02;
        s.computer = 0.02;
        s.wander = 0.05;
    }
    return s;
}

std::vector<PlannedMove> movesOf(const flow::Game& game) {
    std::vector<PlannedMove> out;
    rules::Position p;
    const rules::SideId side = sideForNextPress(game, p);
    if (side == 0) return out;
    rules::調査_2歩フラグ設定(p);
    const settings::Options& o = game.options();
    const bool bottom = side == p.bottomSide;
    if (!bottom && side != p.topSide) return out;

    auto tryTargets = [&](int fromX, int fromY, int fromC, int fromR, rules::PieceCode code) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const rules::PieceCode there = p.board(x, y);
                if (bottom ? rules::isBottom(there) : rules::isTop(there)) continue;
                if (rules::移動チェック(p, fromX, fromY, x, y, code) != 1) continue;
                PlannedMove m;
                m.fromC = fromC;
                m.fromR = fromR;
                m.toX = x;
                m.toY = y;
                m.piece = code;
                m.mustPromote = rules::移動後チェック(y, code) == 0;
                m.takesKing = rules::isKingKind(rules::magnitude(there));
                m.captures = there != rules::空;
                out.push_back(m);
            }
        }
    };

    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const rules::PieceCode c = p.board(x, y);
            if (bottom ? rules::isBottom(c) : rules::isTop(c)) tryTargets(x, y, x, y, c);
        }
    }
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (bottom) {
            if (!o.chineseDrops && p.bottomSide == rules::SENTE && k > rules::hand::kLastChinese)
                continue;
            if (!o.chineseDrops && p.bottomSide == rules::GOTE) continue;
            if (p.ownHand[k] <= 0) continue;
            tryTargets(rules::kBottomHandX, k, rules::kBottomHandX, k, -rules::kHandKind[k]);
        } else {
            if (!o.chineseDrops && p.bottomSide == rules::SENTE) continue;
            if (p.enemyHand[k] <= 0) continue;
            tryTargets(rules::kTopHandX, k, rules::kTopHandX, view::topStandRow(k),
                       rules::kHandKind[k]);
        }
    }
    return out;
}

Event Player::next(SoakRig& rig) {
    Event e;
    if (!queue_.empty()) {
        e = queue_.front();
        queue_.pop_front();
    } else {
        const flow::GameState& s = rig.game->state();
        if (s.kifuMode) {
            e = recordMode(rig);
        } else if (s.sideToMove == 0) {
            e = noGame(rig);
        } else {
            e = inGame(rig);
        }
    }
    // Time passes between events: mostly a little, now and then minutes.
    const int pace = random_.weighted({60, 30, 8, 2});
    e.advance = pace == 0   ? random_.unit() * 0.5
                : pace == 1 ? random_.unit() * 5
                : pace == 2 ? random_.unit() * 120
                            : random_.unit() * 7200;
    return e;
}

Event Player::press(const SoakRig& rig, int c, int r, int button, std::string note) {
    Event e;
    e.kind = Event::Kind::Press;
    e.button = button;
    e.boardTop = rig.game->options().boardTop;
    // Anywhere inside the cell; now and then exactly on its top-left edge.
    const double u = random_.chance(0.05) ? 0 : random_.unit();
    const double v = random_.chance(0.05) ? 0 : random_.unit();
    e.x = view::kBoardLeft + view::kSquareWidth * (c + u);
    e.y = e.boardTop + view::kSquareHeight * (r + v);
    e.note = std::move(note);
    return e;
}

Event Player::command(Command c) {
    Event e;
    e.kind = Event::Kind::Command;
    e.command = c;
    return e;
}

Event Player::wildPress(const SoakRig& rig) {
    const int button = random_.chance(0.7) ? flow::kLeftButton : flow::kRightButton;
    const int where = random_.weighted({50, 20, 20, 10});
    if (where == 0) {
        return press(rig, random_.between(1, 9), random_.between(1, 9), button, "any square");
    }
    if (where == 1) {
        return press(rig, rules::kBottomHandX, random_.between(0, 14), button, "bottom stand");
    }
    if (where == 2) {
        return press(rig, rules::kTopHandX, random_.between(-4, 10), button, "top stand");
    }
    // Off the grid, or far away from it; a few buttons the game does not know.
    Event e;
    e.kind = Event::Kind::Press;
    e.button = random_.chance(0.9) ? button : random_.between(0, 4);
    e.boardTop = rig.game->options().boardTop;
    if (random_.chance(0.9)) {
        e.x = random_.unit() * 20000 - 3000;
        e.y = random_.unit() * 16000 - 3000;
    } else {
        const double far[] = {-1e12, -1e6, 1e6, 1e12, 1049.999, 1050, 0};
        e.x = far[random_.below(7)];
        e.y = far[random_.below(7)];
    }
    e.note = "anywhere";
    return e;
}

Event Player::save() {
    Event e;
    e.kind = Event::Kind::Save;
    e.fileName = kFileNames[random_.below(static_cast<int>(kFileNames.size()))];
    e.gameName = kHeaderTexts[random_.below(static_cast<int>(kHeaderTexts.size()))];
    e.sente = kHeaderTexts[random_.below(static_cast<int>(kHeaderTexts.size()))];
    e.gote = kHeaderTexts[random_.below(static_cast<int>(kHeaderTexts.size()))];
    if (random_.chance(0.05)) {
        e.gote = kBadHeader;
        e.badText = true;
    }
    return e;
}

Event Player::load(const SoakRig& rig) {
    Event e;
    e.kind = Event::Kind::Load;
    std::vector<std::string> files;
    std::error_code ignored;
    for (const auto& f : std::filesystem::directory_iterator(rig.folder.path(), ignored)) {
        const std::string name = f.path().filename().string();
        const std::string ext = record::kKifuExtension;
        if (name.size() > ext.size() &&
            name.compare(name.size() - ext.size(), ext.size(), ext) == 0)
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    const int pick = random_.weighted({90, 5, 5});
    if (pick == 0 && !files.empty()) {
        e.fileName = files[random_.below(static_cast<int>(files.size()))];
    } else if (pick == 2) {
        e.fileName = "never-saved.棋譜";
        e.missingFile = true;
    }
    return e;
}

Event Player::optionToggle() {
    static constexpr Command kOptions[] = {Command::Sidou,
                                           Command::Sidou,
                                           Command::Keika,
                                           Command::Keika,
                                           Command::ChessMochikoma,
                                           Command::ChessMochikoma,
                                           Command::ChessMochikoma,
                                           Command::Bgm,
                                           Command::Midori,
                                           Command::Tatami,
                                           Command::Take,
                                           Command::Uchu,
                                           Command::Renga,
                                           Command::Option,
                                           Command::Taikyoku,
                                           Command::Stop,
                                           Command::Ver,
                                           Command::Level1,
                                           Command::Level2,
                                           Command::Level3,
                                           Command::Dir1Change};
    return command(kOptions[random_.below(static_cast<int>(std::size(kOptions)))]);
}

bool Player::planMove(SoakRig& rig) {
    std::vector<PlannedMove> all = movesOf(*rig.game);
    if (all.empty()) return false;
    std::vector<PlannedMove> pool;
    const bool avoidKing = random_.chance(style_.avoidKingCapture);
    const bool capture = random_.chance(style_.preferCapture);
    for (const PlannedMove& m : all) {
        if (avoidKing && m.takesKing) continue;
        if (capture && !m.captures) continue;
        pool.push_back(m);
    }
    if (pool.empty()) {
        for (const PlannedMove& m : all)
            if (!(avoidKing && m.takesKing)) pool.push_back(m);
    }
    if (pool.empty()) pool = all;
    const PlannedMove m = pool[random_.below(static_cast<int>(pool.size()))];

    const std::string note = "move " + std::to_string(m.fromC) + "," + std::to_string(m.fromR) +
                             " -> " + std::to_string(m.toX) + "," + std::to_string(m.toY) +
                             " piece " + std::to_string(m.piece);
    queue_.push_back(press(rig, m.fromC, m.fromR, flow::kLeftButton, note + " (take up)"));
    // Now and then something else happens while the piece is held; most often before the
    // first move, where the handicap buttons still work.
    const bool first = rig.game->moves().currentMove == 0;
    if (random_.chance(first ? 0.3 : 0.08)) queue_.push_back(interlude(rig));
    int button = random_.chance(0.25) ? flow::kRightButton : flow::kLeftButton;
    if (m.mustPromote) button = random_.chance(0.9) ? flow::kRightButton : flow::kLeftButton;
    queue_.push_back(press(rig, m.toX, m.toY, button, note + " (put down)"));
    return true;
}

Event Player::interlude(const SoakRig& rig) {
    static constexpr Command kCommands[] = {
        Command::Up,     Command::Down,   Command::Reverse,        Command::Replay,
        Command::After,  Command::Sidou,  Command::ChessMochikoma, Command::MatchMan,
        Command::Start2, Command::Level1, Command::Keika,          Command::Cancel};
    // Before the first move the handicap buttons come first.
    const bool first = rig.game->moves().currentMove == 0;
    const int what = random_.below(static_cast<int>(std::size(kCommands)) + (first ? 20 : 5));
    if (what >= static_cast<int>(std::size(kCommands)) + 3) {
        return command(random_.chance(0.5) ? Command::Up : Command::Down);
    }
    if (what == 0) return wildPress(rig);
    if (what == 1) return save();
    if (what == 2) {
        Event e;
        e.kind = Event::Kind::Tick;
        return e;
    }
    return command(kCommands[what - 3]);
}

Event Player::inGame(SoakRig& rig) {
    const bool m0 = rig.game->moves().currentMove == 0;
    const int what = random_.weighted({
        70,                      // 0 a move of the side to move
        100 * style_.wildPress,  // 1 a press anywhere
        6,                       // 2 a tick of the clock
        3 * style_.wander,       // 3 戻
        3 * style_.wander,       // 4 進
        0.4 * style_.wander,     // 5 最初
        0.8,                     // 6 反転
        m0 ? 6.0 : 1.0,          // 7 △ or ▽ (they work only before the first move)
        0.8 * style_.wander,     // 8 a new game
        3,                       // 9 an option or a menu
        1.5,                     // 10 save
        0.8 * style_.wander,     // 11 load
        0.15,                    // 12 a key
        0.02,                    // 13 the end of the program
    });
    switch (what) {
        case 0:
            if (planMove(rig)) return next(rig);
            return wildPress(rig);
        case 1:
            return wildPress(rig);
        case 2: {
            Event e;
            e.kind = Event::Kind::Tick;
            return e;
        }
        case 3:
            return command(Command::Replay);
        case 4:
            return command(Command::After);
        case 5:
            return command(Command::Cancel);
        case 6:
            return command(Command::Reverse);
        case 7:
            return command(random_.chance(0.5) ? Command::Up : Command::Down);
        case 8:
            return command(random_.chance(style_.computer) ? Command::Start2 : Command::MatchMan);
        case 9:
            return optionToggle();
        case 10:
            return save();
        case 11:
            return load(rig);
        case 12: {
            Event e;
            e.kind = Event::Kind::Key;
            e.key = random_.chance(0.8) ? random_.between(0, 127) : 13;
            if (e.key == flow::kEscapeKey) e.key = 26;
            return e;
        }
        default: {
            const int way = random_.below(3);
            if (way == 0) return command(Command::Owari);
            if (way == 1) return command(Command::Unload);
            Event e;
            e.kind = Event::Kind::Key;
            e.key = flow::kEscapeKey;
            return e;
        }
    }
}

Event Player::noGame(SoakRig& rig) {
    const int what = random_.weighted({30, 12, 6, 8, 6, 4, 3, 3, 4, 2, 0.2});
    switch (what) {
        case 0:
            return command(random_.chance(style_.computer) ? Command::Start2 : Command::MatchMan);
        case 1:
            return command(random_.chance(0.5) ? Command::Up : Command::Down);
        case 2:
            return command(Command::Reverse);
        case 3:
            return optionToggle();
        case 4:
            return wildPress(rig);
        case 5:
            return command(Command::After);
        case 6:
            return command(Command::Replay);
        case 7:
            return command(Command::Cancel);
        case 8:
            return load(rig);
        case 9:
            return save();
        default:
            return command(Command::Owari);
    }
}

Event Player::recordMode(SoakRig& rig) {
    const int what = random_.weighted({40, 15, 6, 3, 2, 3, 8, 3, 3, 3, 2});
    switch (what) {
        case 0:
            return command(Command::After);
        case 1:
            return command(Command::Replay);
        case 2:
            return wildPress(rig);
        case 3:
            return command(Command::Cancel);
        case 4:
            return command(Command::Reverse);
        case 5:
            return command(random_.chance(0.5) ? Command::Up : Command::Down);
        case 6:
            return command(random_.chance(style_.computer) ? Command::Start2 : Command::MatchMan);
        case 7:
            return optionToggle();
        case 8:
            return save();
        case 9:
            return load(rig);
        default: {
            Event e;
            e.kind = Event::Kind::Tick;
            return e;
        }
    }
}

}  // namespace soak
