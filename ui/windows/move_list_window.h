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

// The list's lines: the columns of each row padded with spaces to their
// stops, measured in `font`.
std::vector<std::string> radkySeznamu(TextPainter& tp, const Font& font,
                                      const std::vector<RadekSeznamu>& rows);

void showMoveList(UiContext& ctx);

}  // namespace tb
