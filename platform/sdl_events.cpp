#include "platform/sdl_events.h"

#include <SDL.h>

#include "files/text.h"

namespace tb {
namespace {

int specialKey(SDL_Keycode k) {
    switch (k) {
        case SDLK_F11:
            return kKeyF11;
        case SDLK_F12:
            return kKeyF12;
        case SDLK_UP:
            return kKeyUp;
        case SDLK_DOWN:
            return kKeyDown;
        case SDLK_PAGEUP:
            return kKeyPageUp;
        case SDLK_PAGEDOWN:
            return kKeyPageDown;
        case SDLK_HOME:
            return kKeyHome;
        case SDLK_END:
            return kKeyEnd;
        default:
            return 0;
    }
}

// Control characters that come as key presses, as the system delivers them.
int controlChar(SDL_Keycode k) {
    switch (k) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return 13;
        case SDLK_ESCAPE:
            return 27;
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_TAB:
            return 9;
        default:
            return 0;
    }
}

}  // namespace

SdlEventSource::SdlEventSource() {
    SDL_StartTextInput();
}

bool SdlEventSource::poll(Event& out) {
    SDL_Event e;
    while (pending_.empty() && SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                pending_.push_back({EventKind::Quit});
                break;
            case SDL_MOUSEMOTION:
                lastX_ = e.motion.x;
                lastY_ = e.motion.y;
                pending_.push_back({EventKind::MouseMove, e.motion.x, e.motion.y});
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                lastX_ = e.button.x;
                lastY_ = e.button.y;
                pending_.push_back(
                    {e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp,
                     e.button.x, e.button.y, e.button.button});
                break;
            case SDL_MOUSEWHEEL:
                // The wheel event carries no position; the pointer is where it last moved.
                pending_.push_back({EventKind::Wheel, lastX_, lastY_});
                pending_.back().wheel = e.wheel.y;
                break;
            case SDL_KEYDOWN:
                if (int k = specialKey(e.key.keysym.sym))
                    pending_.push_back({EventKind::KeyDown, 0, 0, 0, k});
                else if (int c = controlChar(e.key.keysym.sym))
                    pending_.push_back({EventKind::KeyPress, 0, 0, 0, c});
                break;
            case SDL_TEXTINPUT:
                for (char c : utf8ToCp1250(e.text.text))
                    pending_.push_back(
                        {EventKind::KeyPress, 0, 0, 0, static_cast<unsigned char>(c)});
                break;
            default:
                break;
        }
    }
    if (pending_.empty()) return false;
    out = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlEventSource::wait(uint32_t ms) {
    if (pending_.empty()) SDL_WaitEventTimeout(nullptr, static_cast<int>(ms));
}

uint32_t SdlTicks::GetTickCount() {
    return SDL_GetTicks();
}

}  // namespace tb
