// What the shared widget code needs from one program's copy of the toolkit: its drawing calls,
// its font and the data in which the two copies differ. Exactly one program layer is compiled
// into an image, chosen by UI_FOR_KAV (canvas and stroke font) or UI_FOR_PEMBLO (surface and
// bitmap font).
#pragma once

#include <phone/types.h>

namespace ui {

// A colour as red, green, blue; each layer turns it into its own form.
struct Colour {
  UINT8 r, g, b;
};

// One line of a dialog, placed relative to the dialog's body position. `setColour` 0 writes
// it in the text colour left by the line before (the list editor writes some groups of lines
// after one colour call); the calculator's text call always takes its colour.
struct TextLine {
  Colour colour;
  UINT8 setColour;
  INT16 dx, dy;
  const char* text;
};

// The exit confirmation's texts.
struct ExitTexts {
  const char* title;
  const TextLine* lines;
  UINT8 count;
  const char* yes;
  const char* no;
};

// A box with one always-highlighted button: the About box and the error box.
struct BoxLayout {
  const char* title;
  UINT8 icon;             // draw wrIcon at (mx + 6, my + 1)
  const TextLine* before;  // lines drawn before the button
  UINT8 beforeCount;
  const char* button;
  INT16 buttonDy;          // button row Y = (220 - my) / 2 + buttonDy
  INT16 pointerX;          // pointer at (pointerX, my + 85)
  const TextLine* after;   // lines drawn after the pointer
  UINT8 afterCount;
};

}  // namespace ui

#if defined(UI_FOR_KAV)
#include "look_kav.h"
#elif defined(UI_FOR_PEMBLO)
#include "look_pemblo.h"
#else
#error "The toolkit is built for one program: define UI_FOR_KAV or UI_FOR_PEMBLO"
#endif
