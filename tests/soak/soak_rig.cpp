#include "soak/soak_rig.h"

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

}  // namespace soak
