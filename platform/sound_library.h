// The sound library: a small mixer of our own with the ds* calls the game makes.
//
// Every id is a 32-bit integer; 0 means "none" and is harmless in every call.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    // Opens the sound device; 0 when none could be opened.
    virtual std::int32_t dsInitialize(std::intptr_t windowHandle) = 0;
    // Takes a whole wave file held in memory and keeps its own copy; `copies` is how many copies
    // of the sound may play at once. Returns a buffer id, 0 when the data is unusable.
    virtual std::int32_t dsCreateDSB(std::int32_t handle, const std::uint8_t* wave,
                                     std::size_t length, std::int32_t copies) = 0;
    virtual std::int32_t dsPlay(std::int32_t id) = 0;
    virtual std::int32_t dsPlayLooping(std::int32_t id) = 0;
    virtual std::int32_t dsStop(std::int32_t id) = 0;
    virtual std::int32_t dsFree(std::int32_t id) = 0;
    virtual std::int32_t dsTerminate(std::int32_t handle) = 0;
};

}  // namespace platform
