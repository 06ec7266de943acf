#include "platform/display.h"

#include <algorithm>
#include <ctime>
#include <stdexcept>
#include <vector>

#include "files/files.h"
#include "platform/sdl_handles.h"

namespace tb {

struct Display::Impl {
    sdl::Window window;
    sdl::Renderer renderer;
    sdl::Texture texture;
    bool pointer = true;
    // The picture last put on the screen, and whether the screen may have lost it
    // (uncovered, resized, restored): then the next picture goes out even unchanged.
    std::vector<uint32_t> shown;
    bool stale = true;

    static int watch(void* self, SDL_Event* e) {
        if (e->type == SDL_WINDOWEVENT) static_cast<Impl*>(self)->stale = true;
        return 0;
    }

    ~Impl() {
        SDL_DelEventWatch(&Impl::watch, this);
        texture.reset();
        renderer.reset();
        window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + SDL_GetError());
}

}  // namespace

Display::Display(bool fullscreen, const std::string& title)
    : impl_(std::make_unique<Impl>()), back_(kWidth, kHeight) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) fail("Cannot start the display");
    // With no display at all SDL falls back to drawing off screen: the game
    // would run unseen. That is only wanted when asked for by name.
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0 && !(asked && *asked)) {
        throw std::runtime_error(
            "No display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    }
    // Smooth scaling when the desktop is not 1024x768.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The game paints every picture itself and only hands the finished one
    // over, so on X a graphics driver would add nothing but a fifth of a
    // second at start and some 70 MB of memory: the picture goes straight
    // into the window's shared memory. SDL_RENDER_DRIVER still picks another.
    const bool x11 = SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0;
    if (x11) {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    const Uint32 flags = fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    impl_->window.reset(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED,
                                         SDL_WINDOWPOS_CENTERED, kWidth, kHeight, flags));
    if (!impl_->window) fail("Cannot open the window");
    impl_->renderer.reset(SDL_CreateRenderer(impl_->window.get(), -1, 0));
    if (!impl_->renderer && x11) {
        // No shared memory (a remote display): let SDL choose after all.
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
        impl_->renderer.reset(SDL_CreateRenderer(impl_->window.get(), -1, 0));
    }
    if (!impl_->renderer) fail("Cannot draw into the window");
    // The renderer letterboxes and maps the mouse back to 1024x768.
    SDL_RenderSetLogicalSize(impl_->renderer.get(), kWidth, kHeight);
    impl_->texture.reset(SDL_CreateTexture(impl_->renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight));
    if (!impl_->texture) fail("Cannot create the screen picture");
    SDL_AddEventWatch(&Impl::watch, impl_.get());
}

Display::~Display() = default;

void Display::flip() {
    ++flips_;
    // Putting a picture on the screen is most of what a frame costs: a
    // picture the screen already shows is not put there again.
    const size_t n = static_cast<size_t>(kWidth) * kHeight;
    if (!impl_->stale && impl_->shown.size() == n &&
        std::equal(impl_->shown.begin(), impl_->shown.end(), back_.data()))
        return;
    impl_->stale = false;
    impl_->shown.assign(back_.data(), back_.data() + n);
    ++presents_;
    SDL_Renderer* r = impl_->renderer.get();
    SDL_UpdateTexture(impl_->texture.get(), nullptr, back_.data(), kWidth * 4);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    SDL_RenderCopy(r, impl_->texture.get(), nullptr, nullptr);
    SDL_RenderPresent(r);
}

bool Display::fullscreen() const {
    return (SDL_GetWindowFlags(impl_->window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void Display::setFullscreen(bool on) {
    impl_->stale = true;
    SDL_SetWindowFullscreen(impl_->window.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!on) SDL_SetWindowSize(impl_->window.get(), kWidth, kHeight);
    flip();
}

void Display::toLogical(int wx, int wy, int& x, int& y) const {
    float fx = 0, fy = 0;
    SDL_RenderWindowToLogical(impl_->renderer.get(), wx, wy, &fx, &fy);
    x = static_cast<int>(fx);
    y = static_cast<int>(fy);
}

void Display::showPointer(bool on) {
    impl_->pointer = on;
    SDL_ShowCursor(on ? SDL_ENABLE : SDL_DISABLE);
}

bool Display::pointerShown() const {
    return impl_->pointer;
}

std::string Display::rendererName() const {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(impl_->renderer.get(), &info);
    return info.name ? info.name : "";
}

std::filesystem::path Display::screenshot(const std::filesystem::path& dir) const {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) throw FileError("Cannot create " + dir.string() + ": " + ec.message());
    const std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::filesystem::path file = dir / (std::string("tavik-borun-") + stamp + ".png");
    for (int n = 2; std::filesystem::exists(file, ec); ++n)
        file = dir / (std::string("tavik-borun-") + stamp + "-" + std::to_string(n) + ".png");
    savePng(back_, file);
    return file;
}

bool showSystemMessage(const std::string& title, const std::string& text) {
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) ==
           0;
}

}  // namespace tb
