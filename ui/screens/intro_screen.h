#pragma once
// The intro TIntroF: the maker's name built letter by letter and driven off
// the screen, two captions fading in and out, and the title words sliding
// into place. Stepped once per menu frame while the music is still off; at
// its end the music starts and the menu takes over.

#include <array>
#include <functional>

#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "ui/windows/ui_context.h"

namespace tb {

class TIntroF {
  public:
    // `konec` ends the intro: the menu takes over and the music starts.
    TIntroF(UiContext& ctx, std::function<void()> konec);

    // One frame of the intro.
    void PrintIntro();
    int stage() const { return stage_; }

    // Length of the whole intro without Esc, in milliseconds.
    static constexpr int kDelka = 5 * 1000 + 8 * 200 + 500 + 2000 + 6 * 1000 + 500 + 500 + 2000;

  private:
    uint32_t t();
    void advance();
    void fade(int item, Rect r, bool in, int d);
    void velka(int i, int shift);
    void mala(int i, int shift);

    UiContext& ctx_;
    std::function<void()> konec_;
    ImageList* l_ = nullptr;
    int stage_ = 0;
    uint32_t stageTime_ = 0;
    bool first_ = true;
    static const std::array<Rect, 5> kVelka;
    static const std::array<int, 8> kMala;
};

}  // namespace tb
