// The platform's character editor as the window shows it: a text entry screen drawn over the
// program's picture.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "display.h"
#include "unifont.h"

namespace phone {
class Editor;
}

namespace phone::sim {

// The character that a 16-bit unit of the phone's text shows as. Programs hand the platform
// Windows-1251 bytes as units of the same value, so 0x0080-0x00FF read as their Windows-1251
// characters (0x00CD is "Н"); every other unit is its own character. Only the drawing goes
// through this: the editor's text and answer keep the units as they are.
char16_t shownCharacter(char16_t unit);

// The characters of one line of text as drawn: where each starts in the units, how many units
// it takes (2 for a surrogate pair), its glyph and width.
struct DrawnCharacter {
  size_t unit = 0, units = 1;
  char16_t glyph = 0;
  int width = 0;
};
std::vector<DrawnCharacter> drawnCharacters(std::u16string_view text, const Unifont& font);

// The text broken into lines no wider than `width` pixels: after the last space that lets
// the next word fit, else between characters. Each line is [first, last) of `characters`;
// there is always at least one line.
struct TextLine {
  size_t first = 0, last = 0;
};
std::vector<TextLine> wrapText(const std::vector<DrawnCharacter>& characters, int width);

// Draws the open editor into `frame` (Display::kWidth x Display::kHeight): the title bar with
// the title and the count of units against the maximum, the text wrapped in its box and
// scrolled so that the line of the cursor shows, the cursor (when `cursorShown`; the window
// blinks it) and the soft-key line.
void drawEditor(const Editor& editor, const Unifont& font, std::vector<Rgb>& frame,
                bool cursorShown = true);

}  // namespace phone::sim
