// The game's sounds over the sound library: loading at start, the piece-move sound, the effects
// and the music, and freeing everything at shutdown. The clock's two sounds are loaded only once
// a game is played to a time control.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"
#include "platform/sound_library.h"
#include "rules/piece.h"

namespace settings {

enum class Sound { その他, 禁止, 駒打音, 中国将棋打音, 消滅, BGM, ClockTick, TimeUp };

class Sounds {
  public:
    // `folder` is where the wave files are looked for (the run folder, the current directory).
    Sounds(platform::SoundLibrary& library, platform::Dialogs& dialogs, std::string folder = ".");

    // Opens the library (a warning box when there is no device) and loads the six waves in the
    // order その他, 禁止, 駒打音, 中国将棋打音, 消滅 (three copies each), BGM (one copy).
    void startUp(std::intptr_t windowHandle);
    // Loads ClockTick and TimeUp (three copies each) the first time it is called.
    void loadClockSounds();

    void play(Sound s);
    void loop(Sound s);
    void stop(Sound s);
    // Plays the sound of the piece just put down: 消滅 for the empty code, the Chinese clack for
    // 卒 車 馬 象 砲 将 of either army, the shogi clack for every other code (the advisor too).
    void 駒移動音(rules::PieceCode code);

    // Frees the six buffers in load order and the clock's two when they were loaded, then closes
    // the library when it was opened.
    void 終了処理();

    std::int32_t handle() const { return handle_; }
    std::int32_t id(Sound s) const { return ids_[static_cast<int>(s)]; }

  private:
    std::int32_t loadWave(const std::string& fileName, std::int32_t copies);
    void warn(const std::string& text);

    platform::SoundLibrary& library_;
    platform::Dialogs& dialogs_;
    std::string folder_;
    std::int32_t handle_ = 0;
    std::int32_t ids_[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    bool clockSoundsLoaded_ = false;
};

}  // namespace settings
