// Drawing primitives of the calculator: straight onto the platform canvas held in `dialog`.
#pragma once

#include <phone/types.h>
#include <phone/uis.h>

extern "C" {

// The canvas that every primitive draws on. Defined and set by the calculator, which makes
// the canvas on entering its main state.
extern UIS_DIALOG_T dialog;

// Both end points included.
UINT32 DrawLine(INT16 x1, INT16 y1, INT16 x2, INT16 y2);
// Outline from (x, y) to (x + w, y + h): w + 1 columns, h + 1 rows, foreground colour.
UINT32 DrawRect(INT16 x, INT16 y, INT16 w, INT16 h);
// The same area as DrawRect with its inside, in the fill colour.
UINT32 FillRect(INT16 x, INT16 y, INT16 w, INT16 h);
// Colours are 0xRRGGBB00.
UINT32 SetColor(UINT32 colour);
UINT32 SetBkColor(UINT32 colour);

}  // extern "C"
