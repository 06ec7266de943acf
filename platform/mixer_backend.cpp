#include "platform/mixer_backend.h"

#include "platform/sdl_handles.h"

namespace tb {

struct MixerBackend::Impl {
    bool audio = false;   // the SDL audio subsystem is up
    bool device = false;  // the mixer's device is open
    std::vector<sdl::Chunk> samples;
    sdl::Music song;
    bool started = false;
};

MixerBackend::MixerBackend() : impl_(std::make_unique<Impl>()) {}

MixerBackend::~MixerBackend() {
    close();
}

bool MixerBackend::open() {
    if (!impl_->audio) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        impl_->audio = true;
    }
    Mix_Init(MIX_INIT_MOD);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    impl_->device = true;
    Mix_AllocateChannels(32);
    return true;
}

void MixerBackend::close() {
    if (impl_->device) Mix_HaltMusic();
    impl_->song.reset();
    impl_->started = false;
    if (impl_->device) Mix_HaltChannel(-1);
    impl_->samples.clear();
    if (impl_->device) Mix_CloseAudio();
    impl_->device = false;
    if (impl_->audio) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    impl_->audio = false;
}

std::string MixerBackend::error() {
    return Mix_GetError();
}

int MixerBackend::loadSample(const std::filesystem::path& file) {
    sdl::Chunk c(Mix_LoadWAV(file.c_str()));
    if (!c) return 0;
    impl_->samples.push_back(std::move(c));
    return static_cast<int>(impl_->samples.size());
}

void MixerBackend::playSample(int handle) {
    if (handle < 1 || handle > static_cast<int>(impl_->samples.size())) return;
    // No free channel means the effect is skipped, as with too many at once.
    Mix_PlayChannel(-1, impl_->samples[static_cast<size_t>(handle - 1)].get(), 0);
}

bool MixerBackend::loadSong(const std::filesystem::path& file) {
    freeSong();
    impl_->song.reset(Mix_LoadMUS(file.c_str()));
    return impl_->song != nullptr;
}

void MixerBackend::freeSong() {
    if (impl_->song) Mix_HaltMusic();
    impl_->song.reset();
    impl_->started = false;
}

void MixerBackend::playSong() {
    if (!impl_->song) return;
    impl_->started = Mix_PlayMusic(impl_->song.get(), 0) == 0;
}

void MixerBackend::setSongVolume(int volume) {
    Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 255);
}

bool MixerBackend::songFinished() {
    return impl_->started && Mix_PlayingMusic() == 0;
}

}  // namespace tb
