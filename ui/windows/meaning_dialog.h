#pragma once
// The word meaning dialog TVyznam: the explanation of a typed word from
// data/information.dat, or whether the dictionary knows the word at all.

namespace tb {

struct UiContext;

void showMeaningDialog(UiContext& ctx);

}  // namespace tb
