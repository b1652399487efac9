// The platform's character editor as the window shows it, drawn over the program's screen.
#pragma once

#include <vector>

#include "display.h"
#include "unifont.h"

namespace phone {
class Editor;
}

namespace phone::sim {

// Draws the open editor (title, text with its cursor, count, soft keys) into `frame`, a
// Display::kWidth x Display::kHeight picture.
void drawEditor(const Editor& editor, const Unifont& font, std::vector<Rgb>& frame);

}  // namespace phone::sim
