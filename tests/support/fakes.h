#pragma once
// Test doubles for the seams of the rules: a generator that replays a script,
// a tick source moved by hand, a screen and a sound library that record what
// they were asked.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/game/game_ui.h"
#include "engine/game/random.h"
#include "platform/sound.h"

namespace tb::test {

// Answers random(k) from a script (each value taken modulo k); when the
// script runs out it counts upwards, so loops still terminate.
class ScriptedRandom : public Random {
  public:
    explicit ScriptedRandom(std::vector<int> script = {}) : script_(script.begin(), script.end()) {}
    void Randomize() override {}
    int random(int k) override {
        int v;
        if (!script_.empty()) {
            v = script_.front();
            script_.pop_front();
        } else {
            v = next_++;
        }
        return k <= 0 ? 0 : ((v % k) + k) % k;
    }

  private:
    std::deque<int> script_;
    int next_ = 0;
};

class ManualTicks : public Ticks {
  public:
    uint32_t GetTickCount() override { return now; }
    uint32_t now = 0;
};

// Records the screen calls as short texts ("prichod 1 3 17").
class RecordingUi : public GameUi {
  public:
    void HrajZvuk(int n) override { log("zvuk " + std::to_string(n)); }
    void ukazPrichod(int h, int s, int t) override { log("prichod", h, s, t); }
    void ukazVeSlotu(int h, int s, int t) override { log("veslotu", h, s, t); }
    void ukazOdchod(int h, int s, int t) override { log("odchod", h, s, t); }
    void ZapniJmeno(int h) override { log("zapni " + std::to_string(h)); }
    void VypniJmeno(int h) override { log("vypni " + std::to_string(h)); }
    void prekresli() override { ++redraws; }

    std::vector<std::string> calls;
    int redraws = 0;

  protected:
    void log(std::string s) { calls.push_back(std::move(s)); }
    void log(const char* what, int a, int b, int c) {
        log(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b) + " " +
            std::to_string(c));
    }
};

// A sound library that records what it is asked and fails on demand.
class FakeBackend : public SoundBackend {
  public:
    bool open() override { return log("open"), opens; }
    void close() override { log("close"); }
    std::string error() override { return "no device"; }
    int loadSample(const std::filesystem::path& f) override {
        log("sample " + f.filename().string());
        return ++samples;
    }
    void playSample(int h) override { log("play " + std::to_string(h)); }
    bool loadSong(const std::filesystem::path& f) override {
        log("load " + f.filename().string());
        return f.filename() != badSong;
    }
    void freeSong() override { log("free"); }
    void playSong() override { log("song"); }
    void setSongVolume(int v) override { log("volume " + std::to_string(v)); }
    bool songFinished() override { return finished; }

    bool log(std::string s) {
        calls.push_back(std::move(s));
        return true;
    }
    // The calls from the n-th on that start with `prefix`.
    std::vector<std::string> only(const std::string& prefix, size_t from = 0) const {
        std::vector<std::string> out;
        for (size_t i = from; i < calls.size(); ++i)
            if (calls[i].starts_with(prefix)) out.push_back(calls[i]);
        return out;
    }

    std::vector<std::string> calls;
    bool opens = true;
    bool finished = false;
    int samples = 0;
    std::string badSong = "none";
};

}  // namespace tb::test
