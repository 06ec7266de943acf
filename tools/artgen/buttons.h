#pragma once
// A picture button's faces, added to a list in the order OFF, ON, Down.

#include <string>

#include "tools/artgen/catalog.h"
#include "tools/artgen/paint.h"

namespace art {

struct FaceNames {
    const char* off;
    const char* on;
    const char* down;  // nullptr: the button has no pressed face
};
inline constexpr FaceNames kOffOnDown{"OFF", "ON", "Down"};
inline constexpr FaceNames kOffOn{"OFF", "ON", nullptr};

// A copy of part of a picture (a window's background under a button).
Canvas cropOf(const Canvas& from, Rect part);

// Adds base+"OFF", base+"ON" (and base+"Down") drawn at `at`. With a backdrop
// the faces are opaque and carry the backdrop's pixels around their corners.
void addButton(Catalog& c, const std::string& list, const std::string& base, Rect at,
               const Content& content, FaceNames names = kOffOnDown,
               const Canvas* backdrop = nullptr);
// One face alone, for lists that interleave faces of several buttons.
Canvas buttonFace(Rect at, Face face, const Content& content, const Canvas* backdrop);

}  // namespace art
