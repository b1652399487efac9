// Parts of the soft-key line that both programs draw alike.
#pragma once

#include "look.h"

namespace ui {

// The 12-row gradient strip on rows 208-219 (and the list editor's header strip), lit under
// the left label, of `labelWidth` pixels, while the menu is open.
void drawStrip(UINT8 open, int labelWidth);
// The left soft key's label, bright while the menu is open.
void drawLeftLabel(const char* label, UINT8 open);
// The open pop-up menu: frame, inside, highlight bar on item `sel` and the items.
void drawMenu(const char* menu, UINT16 sel);

}  // namespace ui
