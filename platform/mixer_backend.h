#pragma once
// The sound library under the game: SDL2_mixer, 44100 Hz, 32 channels for
// the effects, one module track at a time.

#include <memory>
#include <vector>

#include "platform/sound.h"

namespace tb {

class MixerBackend : public SoundBackend {
  public:
    MixerBackend();
    ~MixerBackend() override;

    bool open() override;
    void close() override;
    std::string error() override;
    int loadSample(const std::filesystem::path& file) override;
    void playSample(int handle) override;
    bool loadSong(const std::filesystem::path& file) override;
    void freeSong() override;
    void playSong() override;
    void setSongVolume(int volume) override;
    bool songFinished() override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tb
