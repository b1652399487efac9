// The calculator's drawing primitives: one canvas call each, on the canvas in `dialog`.
#include "canvas.h"

extern "C" {

// Splits 0xRRGGBBLL into the canvas's colour record.
static COLOR_T colourRecord(UINT32 colour) {
  COLOR_T c;
  c.red = (UINT8)(colour >> 24);
  c.green = (UINT8)(colour >> 16);
  c.blue = (UINT8)(colour >> 8);
  c.transparent = (UINT8)colour;
  return c;
}

UINT32 DrawLine(INT16 x1, INT16 y1, INT16 x2, INT16 y2) {
  UIS_CanvasDrawLine(GRAPHIC_POINT(x1, y1), GRAPHIC_POINT(x2, y2), dialog);
  return 0;
}

// The far corner is formed in 16 bits, wrapping as the canvas's coordinates do.
UINT32 DrawRect(INT16 x, INT16 y, INT16 w, INT16 h) {
  UIS_CanvasDrawRect(GRAPHIC_POINT(x, y), GRAPHIC_POINT((INT16)(x + w), (INT16)(y + h)), 0, dialog);
  return 0;
}

UINT32 FillRect(INT16 x, INT16 y, INT16 w, INT16 h) {
  UIS_CanvasFillRect(GRAPHIC_POINT(x, y), GRAPHIC_POINT((INT16)(x + w), (INT16)(y + h)), dialog);
  return 0;
}

UINT32 SetColor(UINT32 colour) {
  UIS_CanvasSetForegroundColor(colourRecord(colour));
  return 0;
}

UINT32 SetBkColor(UINT32 colour) {
  UIS_CanvasSetFillColor(colourRecord(colour));
  return 0;
}

}  // extern "C"
