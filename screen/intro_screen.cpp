#include "screen/intro_screen.h"

#include <cmath>
#include <cstdlib>

#include "platform/draw.h"

namespace tb {

const std::array<Rect, 5> TIntroF::kVelka = {{
    {240, 275, 146, 168},
    {350, 284, 106, 158},
    {435, 280, 139, 168},
    {568, 283, 118, 167},
    {675, 282, 144, 162},
}};
const std::array<int, 8> TIntroF::kMala = {241, 304, 378, 441, 508, 595, 670, 746};

namespace {

constexpr int kMalaTop = 453;
constexpr int kMalych = 5;  // DXIntro items 5..12 are the small letters
constexpr int kUvadi = 13;
constexpr int kTitulky = 14;
constexpr int kTavik = 15;
constexpr int kBorun = 16;

// The fades' strength from a 256-step cosine: 1 -> 253 fading in, back fading out.
int sila(int b, uint32_t t, int d) {
    const int s = static_cast<int>(std::lround(128.0 * t / d));
    return static_cast<int>(std::cos(2 * M_PI * ((b + s) % 256) / 256.0) * 126 + 127);
}

}  // namespace

TIntroF::TIntroF(UiContext& ctx, std::function<void()> konec)
    : ctx_(ctx), konec_(std::move(konec)) {}

uint32_t TIntroF::t() {
    const uint32_t now = ctx_.app.GetTickCount();
    return now >= stageTime_ ? now - stageTime_ : stageTime_ - now;
}

void TIntroF::advance() {
    ++stage_;
    stageTime_ = ctx_.app.GetTickCount();
}

void TIntroF::fade(int item, Rect r, bool in, int d) {
    fill(ctx_.app.surface(), Rgb{});
    const uint32_t cas = std::max<uint32_t>(t(), 1);
    (*l_)[item].drawAlpha(ctx_.app.surface(), r, sila(in ? 128 : 0, std::min<uint32_t>(cas, d), d));
}

void TIntroF::velka(int i, int shift) {
    Rect r = kVelka[i];
    r.x -= shift;
    (*l_)[i].stretchDraw(ctx_.app.surface(), r);
}

void TIntroF::mala(int i, int shift) {
    (*l_)[kMalych + i].draw(ctx_.app.surface(), kMala[i] + shift, kMalaTop);
}

void TIntroF::PrintIntro() {
    if (!l_) l_ = &ctx_.images.get("DXIntro");
    Bitmap& dst = ctx_.app.surface();
    if (first_ && stage_ == 0) {
        first_ = false;
        stageTime_ = ctx_.app.GetTickCount();
        ctx_.HrajZvuk(6);
    }
    if (stage_ <= 4) {
        fill(dst, Rgb{});
        for (int i = 0; i < stage_; ++i) velka(i, 0);
        const uint32_t cas = std::max<uint32_t>(t(), 1);
        (*l_)[stage_].drawAlpha(dst, kVelka[stage_],
                                sila(128, std::min<uint32_t>(cas, 1000), 1000));
        if (t() >= 1000) {
            advance();
            if (stage_ < 5) ctx_.HrajZvuk(6);
            if (stage_ == 5) first_ = true;
        }
    } else if (stage_ <= 12) {
        if (first_) {
            first_ = false;
            stageTime_ = ctx_.app.GetTickCount();
            ctx_.HrajZvuk(7);
        }
        // The whole big word and the small letters so far, on black: a soft
        // letter drawn over itself frame after frame would harden its glow.
        fill(dst, Rgb{});
        for (int i = 0; i < 5; ++i) velka(i, 0);
        for (int i = 0; i <= stage_ - kMalych; ++i) mala(i, 0);
        if (t() >= 200) {
            advance();
            if (stage_ < 13) ctx_.HrajZvuk(7);
        }
    } else if (stage_ == 13 || stage_ == 16 || stage_ == 19) {
        if (t() > static_cast<uint32_t>(stage_ == 13 ? 500 : 1000)) advance();
    } else if (stage_ == 14) {
        fill(dst, Rgb{});
        const uint32_t cas = std::min<uint32_t>(t(), 2000);
        const int shift = static_cast<int>(std::lround(820.0 * cas / 2000));
        for (int i = 0; i < 5; ++i) velka(i, shift);
        for (int i = 0; i < 8; ++i) mala(i, shift);
        if (t() >= 2000) advance();
    } else if (stage_ == 15 || stage_ == 17) {
        fade(kUvadi, {437, 359, 150, 50}, stage_ == 15, 1000);
        if (t() >= 1000) advance();
    } else if (stage_ == 18 || stage_ == 20) {
        fade(kTitulky, {307, 359, 410, 50}, stage_ == 18, 1000);
        if (t() >= 1000) advance();
    } else if (stage_ == 21) {
        fill(dst, Rgb{});
        const uint32_t cas = std::min<uint32_t>(t(), 500);
        (*l_)[kTavik].draw(dst, 312, static_cast<int>(std::lround(350.0 * cas / 500)));
        if (t() >= 500) {
            ctx_.HrajZvuk(8);
            advance();
        }
    } else if (stage_ == 22) {
        fill(dst, Rgb{});
        const uint32_t cas = std::min<uint32_t>(t(), 500);
        (*l_)[kTavik].draw(dst, 312, 350);
        (*l_)[kBorun].draw(dst, 501,
                           std::abs(768 - static_cast<int>(std::lround(350.0 * cas / 500))));
        if (t() >= 500) {
            ctx_.HrajZvuk(9);
            advance();
        }
    } else if (t() > 2000) {
        konec_();
        return;
    }
    ctx_.app.flip();
}

}  // namespace tb
