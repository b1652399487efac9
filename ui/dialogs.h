// Dialog drawing that both programs' layers share.
#pragma once

#include "look.h"

namespace ui {

// Window, optional icon, lines, the highlighted button with the pointer beside it, more lines.
void drawBox(INT16 mx, INT16 my, const BoxLayout& box);

}  // namespace ui
