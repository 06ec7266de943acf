#include "platform/text_painter.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <stdexcept>

#include "files/text.h"
#include "platform/draw.h"
#include "platform/sdl_handles.h"

namespace tb {
namespace {

constexpr size_t kCacheLimit = 512;

struct FontFile {
    std::string path;
    int index = 0;
    bool bold = false;
    std::string family;
};

FontFile matchFont(const std::string& family, int weight) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, weight);
    FcPatternAddInteger(pat, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    FcPatternDestroy(pat);
    FontFile out;
    if (!match) return out;
    FcChar8* s = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &s) == FcResultMatch)
        out.path = reinterpret_cast<const char*>(s);
    if (FcPatternGetString(match, FC_FAMILY, 0, &s) == FcResultMatch)
        out.family = reinterpret_cast<const char*>(s);
    FcPatternGetInteger(match, FC_INDEX, 0, &out.index);
    int w = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &w);
    out.bold = w >= FC_WEIGHT_BOLD;
    FcPatternDestroy(match);
    return out;
}

FontFile findFont(const std::string& family, bool bold) {
    FontFile f = matchFont(family, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    // "Arial Black" has no metric twin: take the heaviest cut of its base family.
    const std::string black = " Black";
    if (f.family != family && family.size() > black.size() && family.ends_with(black))
        f = matchFont(family.substr(0, family.size() - black.size()), FC_WEIGHT_BLACK);
    if (f.path.empty()) throw std::runtime_error("No font for " + family);
    return f;
}

}  // namespace

struct TextPainter::Face {
    sdl::Font font;
    int height = 0;
};

TextPainter::TextPainter() {
    if (TTF_WasInit() == 0 && TTF_Init() != 0)
        throw std::runtime_error(std::string("Cannot start the font library: ") + TTF_GetError());
}

TextPainter::~TextPainter() {
    faces_.clear();
    // The font library stays up: other painters (tests, tools) may still use it.
}

std::string TextPainter::fontFile(const std::string& family, bool bold) {
    return findFont(family, bold).path;
}

TextPainter::Face& TextPainter::face(const Font& f) {
    auto key = std::make_tuple(f.family, f.size, f.bold);
    auto it = faces_.find(key);
    if (it != faces_.end()) return *it->second;
    const FontFile file = findFont(f.family, f.bold);
    auto face = std::make_unique<Face>();
    face->font.reset(TTF_OpenFontIndex(file.path.c_str(), std::max(f.size, 1), file.index));
    if (!face->font)
        throw std::runtime_error("Cannot open font " + file.path + ": " + TTF_GetError());
    // A family without a bold cut is emboldened by the library.
    if (f.bold && !file.bold) TTF_SetFontStyle(face->font.get(), TTF_STYLE_BOLD);
    face->height = TTF_FontHeight(face->font.get());
    return *faces_.emplace(key, std::move(face)).first->second;
}

int TextPainter::textWidth(const Font& f, std::string_view cp1250) {
    if (cp1250.empty()) return 0;
    int w = 0, h = 0;
    TTF_SizeUTF8(face(f).font.get(), cp1250ToUtf8(cp1250).c_str(), &w, &h);
    return w;
}

int TextPainter::textHeight(const Font& f) {
    return face(f).height;
}

const Bitmap& TextPainter::rendered(const Font& f, std::string_view cp1250) {
    std::string key = f.family + '\0' + std::to_string(f.size) + (f.bold ? "b" : "r") +
                      std::to_string(f.color.argb()) + '\0' + std::string(cp1250);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    if (cache_.size() >= kCacheLimit) cache_.clear();
    const SDL_Color c{f.color.r, f.color.g, f.color.b, 255};
    sdl::Surface s(TTF_RenderUTF8_Blended(face(f).font.get(), cp1250ToUtf8(cp1250).c_str(), c));
    Bitmap out;
    if (s) {
        sdl::Surface argb(SDL_ConvertSurfaceFormat(s.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        if (argb) {
            out = Bitmap(argb->w, argb->h);
            for (int y = 0; y < argb->h; ++y)
                std::memcpy(out.row(y), static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch,
                            sizeof(uint32_t) * argb->w);
        }
    }
    return cache_.emplace(std::move(key), std::move(out)).first->second;
}

void TextPainter::textOut(Bitmap& dst, int x, int y, const Font& f, std::string_view cp1250,
                          std::optional<Rgb> brush) {
    if (brush) fillRect(dst, {x, y, textWidth(f, cp1250), textHeight(f)}, *brush);
    if (cp1250.empty()) return;
    draw(dst, x, y, rendered(f, cp1250));
}

}  // namespace tb
