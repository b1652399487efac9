// The calculator's toolkit: canvas primitives, stroke font and widgets. Every routine draws
// straight onto the canvas in `dialog` and returns 0, which no caller needs to read.
#pragma once

#include <phone/types.h>

#include "canvas.h"
#include "text/stroke_font.h"

extern "C" {

// Centred window of body w x h with a 12-row title bar above it; the body is left dark.
UINT32 writeWin(INT16 w, INT16 h, const char* title);
// White arrow outline with its tip at (x, y).
UINT32 mCursor(INT16 x, INT16 y);
// Soft-key line with the clock and, when `open` is set, the pop-up menu with item `sel` lit.
UINT32 downsoftline(const char* label, const char* menu, UINT8 open, UINT16 sel);
// Number of bytes of `text` equal to `c` (with '|': the menu's last item number).
UINT16 charCol(const char* text, UINT8 c);
// One button centred on column 88, rows Y + 59 to Y + 71; x is not used.
UINT32 wOK(UINT8 active, const char* text, INT16 x, INT16 y);
// Yes/No pair on rows Y + 59 to Y + 71; the left one is lit when sel is not 0; x is not used.
UINT32 wYESNO(UINT8 sel, const char* l, const char* r, INT16 x, INT16 y);
// The About box's icon within columns x + 3 to x + 30, rows y + 6 to y + 28.
UINT32 wrIcon(INT16 x, INT16 y);
// Dialogs with their body at (mx, my).
UINT32 writeExitMenu(INT16 mx, INT16 my, UINT8 sel);
UINT32 writeAbout(INT16 mx, INT16 my);

}  // extern "C"
