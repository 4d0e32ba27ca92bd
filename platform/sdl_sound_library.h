// The sound library over SDL2_mixer.
//
// Each buffer keeps its own decoded copy of the wave and owns as many mixer channels as its copy
// count, so that many copies of one sound may overlap; a play when every copy is busy restarts
// the copy that started longest ago.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/sound_library.h"

struct Mix_Chunk;

namespace platform {

class SdlSoundLibrary : public SoundLibrary {
  public:
    SdlSoundLibrary() = default;
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    std::int32_t dsInitialize(std::intptr_t windowHandle) override;
    std::int32_t dsCreateDSB(std::int32_t handle, const std::uint8_t* wave, std::size_t length,
                             std::int32_t copies) override;
    std::int32_t dsPlay(std::int32_t id) override;
    std::int32_t dsPlayLooping(std::int32_t id) override;
    std::int32_t dsStop(std::int32_t id) override;
    std::int32_t dsFree(std::int32_t id) override;
    std::int32_t dsTerminate(std::int32_t handle) override;

    // For tests: whether any copy of the buffer is sounding now.
    bool isPlaying(std::int32_t id) const;
    // For tests: the mixer channels the buffer owns.
    std::vector<int> channelsOf(std::int32_t id) const;

    // The largest copy count a buffer gets; larger requests are cut to it.
    static constexpr int kMaxCopies = 8;

  private:
    struct Buffer {
        Mix_Chunk* chunk = nullptr;
        std::vector<int> channels;
    };

    std::int32_t start(std::int32_t id, int loops);
    int takeChannel();
    void release(Buffer& buffer);

    static constexpr std::int32_t kHandle = 1;
    bool open_ = false;
    std::map<std::int32_t, Buffer> buffers_;
    std::vector<int> freeChannels_;
    int channelCount_ = 0;
    std::vector<std::uint64_t> startedAt_;  // per channel: when it was last started
    std::uint64_t plays_ = 0;
    std::int32_t nextId_ = 1;
};

}  // namespace platform
