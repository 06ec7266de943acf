#pragma once
// What the rule error box, the word error dialog and the exchange refusal
// say, in code page 1250. The dialogs only lay these into their labels.

#include <array>
#include <string>

#include "engine/game/game_ui.h"

namespace tb {

// Label1..Label3 of the rule error box (index 0 unused); a label the error
// does not use stays empty.
std::array<std::string, 4> textyChybyPravidla(const ChybaPravidla& c);
// Label1 and Label2 of the word error dialog (index 0 unused).
std::array<std::string, 3> textyChybySlova(const ChybaSlova& c);
// Label1 and Label2 of the exchange refusal (index 0 unused); Label2 is the
// upper line.
std::array<std::string, 3> textyChybyVymeny();

}  // namespace tb
