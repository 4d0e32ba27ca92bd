#include "soak/soak_rig.h"

#include <string>

#include "rules/setup.h"
#include "settings/settings_file.h"
#include "support/gui/qt_app.h"

namespace soak {

SoakRig::SoakRig(std::uint64_t answers)
    : answerStream(answers), canvas(15600, 12000), dialogs(answerStream) {
    testsupport::ensureQtApplication();
    // The fake library takes any bytes, so a few stand in for each wave.
    for (const char* name :
         {"その他.wav", "禁止.wav", "駒打音.wav", "中国将棋打音.wav", "消滅.wav", "BGM.wav"}) {
        folder.write(name, "RIFF-soak");
    }
    dialogs.ending = [this] { return frame.quits > 0; };
    panel.directory = panel.files = folder.path().string();
    game = std::make_unique<flow::Game>(flow::Boundaries{canvas, dialogs, clock, timer, sound,
                                                         frame, folder.path().string(), &panel});
}

void SoakRig::leaveSettingsFile(Random& random) {
    const int kind = random.weighted({70, 10, 20});
    if (kind == 2) return;
    if (kind == 1) {
        folder.write(settings::kSettingsFileName, "背景画=\r\n??\r\n");
        return;
    }
    static constexpr const char* kBackgrounds[] = {"緑", "畳", "竹", "宇宙", "煉瓦"};
    auto onOff = [&] { return std::string(random.chance(0.5) ? "ON" : "OFF"); };
    folder.write(settings::kSettingsFileName,
                 testsupport::settingsFileBytes(
                     {std::string("背景画=") + kBackgrounds[random.below(5)], "移動指導=" + onOff(),
                      "経過時間=" + onOff(), "中国将棋側持駒OK=" + onOff(), "BGM=" + onOff()}));
}

rules::SideId sideForNextPress(const flow::Game& game, rules::Position& position) {
    position = game.position();
    rules::調査_先手後手(position);
    const record::MoveList& m = game.moves();
    const int n = m.currentMove;
    if (n < 0 || n > record::kMaxEntry) return 0;
    return rules::調査_先番(position, n > 0 ? &m[n - 1].boardAt : nullptr, m[n].boardAt);
}

}  // namespace soak
