#include "platform/sdl_sound_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace platform {

SdlSoundLibrary::~SdlSoundLibrary() {
    if (open_) dsTerminate(kHandle);
}

std::int32_t SdlSoundLibrary::dsInitialize(std::intptr_t /*windowHandle*/) {
    if (open_) return kHandle;
    // The mixer would otherwise take SIGINT and SIGTERM for itself and turn them into events
    // nobody reads, so that the program could no longer be ended from outside.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(0);
    channelCount_ = 0;
    freeChannels_.clear();
    startedAt_.clear();
    open_ = true;
    return kHandle;
}

std::int32_t SdlSoundLibrary::dsCreateDSB(std::int32_t handle, const std::uint8_t* wave,
                                          std::size_t length, std::int32_t copies) {
    if (!open_ || handle != kHandle || wave == nullptr || length == 0) return 0;
    if (length > static_cast<std::size_t>(INT32_MAX)) return 0;

    // The caller's memory is released when this returns: decode from a copy of our own.
    std::vector<std::uint8_t> copy(wave, wave + length);
    SDL_RWops* rw = SDL_RWFromConstMem(copy.data(), static_cast<int>(copy.size()));
    if (rw == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return 0;

    Buffer buffer;
    buffer.chunk = chunk;
    const int n = std::clamp<int>(copies, 1, kMaxCopies);
    for (int i = 0; i < n; ++i) buffer.channels.push_back(takeChannel());
    const std::int32_t id = nextId_++;
    buffers_.emplace(id, std::move(buffer));
    return id;
}

int SdlSoundLibrary::takeChannel() {
    if (!freeChannels_.empty()) {
        const int ch = freeChannels_.back();
        freeChannels_.pop_back();
        return ch;
    }
    const int ch = channelCount_++;
    Mix_AllocateChannels(channelCount_);
    startedAt_.push_back(0);
    return ch;
}

std::int32_t SdlSoundLibrary::start(std::int32_t id, int loops) {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return 0;
    Buffer& b = it->second;
    // A free copy if there is one, else the copy that started longest ago.
    int chosen = -1;
    for (int ch : b.channels)
        if (Mix_Playing(ch) == 0) {
            chosen = ch;
            break;
        }
    if (chosen < 0) {
        chosen = b.channels.front();
        for (int ch : b.channels)
            if (startedAt_[ch] < startedAt_[chosen]) chosen = ch;
        Mix_HaltChannel(chosen);
    }
    if (Mix_PlayChannel(chosen, b.chunk, loops) < 0) return 0;
    startedAt_[chosen] = ++plays_;
    return 1;
}

std::int32_t SdlSoundLibrary::dsPlay(std::int32_t id) {
    return start(id, 0);
}

std::int32_t SdlSoundLibrary::dsPlayLooping(std::int32_t id) {
    return start(id, -1);
}

std::int32_t SdlSoundLibrary::dsStop(std::int32_t id) {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return 0;
    for (int ch : it->second.channels) Mix_HaltChannel(ch);
    return 1;
}

void SdlSoundLibrary::release(Buffer& buffer) {
    for (int ch : buffer.channels) {
        Mix_HaltChannel(ch);
        freeChannels_.push_back(ch);
    }
    buffer.channels.clear();
    Mix_FreeChunk(buffer.chunk);
    buffer.chunk = nullptr;
}

std::int32_t SdlSoundLibrary::dsFree(std::int32_t id) {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return 0;
    release(it->second);
    buffers_.erase(it);
    return 1;
}

std::int32_t SdlSoundLibrary::dsTerminate(std::int32_t handle) {
    if (!open_ || handle != kHandle) return 0;
    for (auto& [id, buffer] : buffers_) release(buffer);
    buffers_.clear();
    freeChannels_.clear();
    startedAt_.clear();
    channelCount_ = 0;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    return 1;
}

bool SdlSoundLibrary::isPlaying(std::int32_t id) const {
    auto it = buffers_.find(id);
    if (it == buffers_.end()) return false;
    for (int ch : it->second.channels)
        if (Mix_Playing(ch) != 0) return true;
    return false;
}

std::vector<int> SdlSoundLibrary::channelsOf(std::int32_t id) const {
    auto it = buffers_.find(id);
    return it == buffers_.end() ? std::vector<int>{} : it->second.channels;
}

}  // namespace platform
