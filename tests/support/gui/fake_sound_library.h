// A sound library that plays nothing and remembers every call made to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sound_library.h"

namespace testsupport {

class FakeSoundLibrary : public platform::SoundLibrary {
  public:
    struct Call {
        std::string name;      // "dsInitialize", "dsCreateDSB", "dsPlay", …
        std::int64_t arg = 0;  // the id or handle the call was given (window handle for init)
        std::vector<std::uint8_t> wave;  // dsCreateDSB only: the bytes it was given
        std::int32_t copies = 0;         // dsCreateDSB only
        bool operator==(const Call&) const = default;
    };

    // When set, dsInitialize fails as it does on a machine without a sound device.
    bool noDevice = false;
    // When set, dsCreateDSB refuses every wave (returns 0).
    bool refuseWaves = false;

    std::vector<Call> calls;

    std::int32_t dsInitialize(std::intptr_t windowHandle) override {
        calls.push_back({"dsInitialize", windowHandle, {}, 0});
        return noDevice ? 0 : kHandle;
    }
    std::int32_t dsCreateDSB(std::int32_t handle, const std::uint8_t* wave, std::size_t length,
                             std::int32_t copies) override {
        Call c{"dsCreateDSB", handle, {}, copies};
        if (wave != nullptr) c.wave.assign(wave, wave + length);
        calls.push_back(std::move(c));
        if (refuseWaves || handle == 0) return 0;
        return nextId_++;
    }
    std::int32_t dsPlay(std::int32_t id) override { return record("dsPlay", id); }
    std::int32_t dsPlayLooping(std::int32_t id) override { return record("dsPlayLooping", id); }
    std::int32_t dsStop(std::int32_t id) override { return record("dsStop", id); }
    std::int32_t dsFree(std::int32_t id) override { return record("dsFree", id); }
    std::int32_t dsTerminate(std::int32_t handle) override { return record("dsTerminate", handle); }

    // The calls of one name, in order, as their ids.
    std::vector<std::int64_t> argsOf(const std::string& name) const {
        std::vector<std::int64_t> out;
        for (const Call& c : calls)
            if (c.name == name) out.push_back(c.arg);
        return out;
    }
    // The ids handed out so far are 101, 102, …; the handle is 7.
    static constexpr std::int32_t kHandle = 7;
    static constexpr std::int32_t kFirstId = 101;

  private:
    std::int32_t record(const char* name, std::int32_t arg) {
        calls.push_back({name, arg, {}, 0});
        return arg != 0 ? 1 : 0;
    }
    std::int32_t nextId_ = kFirstId;
};

}  // namespace testsupport
