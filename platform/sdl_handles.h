#pragma once
// Owning handles for the outside libraries' objects, so every one is freed
// exactly once.

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>

namespace tb::sdl {

template <auto Free>
struct Deleter {
    template <class T>
    void operator()(T* p) const {
        if (p) Free(p);
    }
};

using Surface = std::unique_ptr<SDL_Surface, Deleter<SDL_FreeSurface>>;
using Window = std::unique_ptr<SDL_Window, Deleter<SDL_DestroyWindow>>;
using Renderer = std::unique_ptr<SDL_Renderer, Deleter<SDL_DestroyRenderer>>;
using Texture = std::unique_ptr<SDL_Texture, Deleter<SDL_DestroyTexture>>;
using Font = std::unique_ptr<TTF_Font, Deleter<TTF_CloseFont>>;
using Chunk = std::unique_ptr<Mix_Chunk, Deleter<Mix_FreeChunk>>;
using Music = std::unique_ptr<Mix_Music, Deleter<Mix_FreeMusic>>;

}  // namespace tb::sdl
