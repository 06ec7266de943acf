#pragma once
// The move list TZapis: every turn of the move record with its number,
// player, words, points and time, and after a finished game the bonuses,
// final scores and the length of the game.

#include <string>
#include <vector>

#include "engine/record/move_list.h"
#include "platform/text_painter.h"

namespace tb {

struct UiContext;

// The list's lines: the columns of each row joined by tabs, drawn at the
// list's column stops (the final scores under the player and the points).
std::vector<std::string> radkySeznamu(const std::vector<RadekSeznamu>& rows);

void showMoveList(UiContext& ctx);

}  // namespace tb
