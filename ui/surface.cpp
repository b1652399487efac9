// The list editor's drawing primitives: into the off-screen surface sDraw with the brush
// colour, shown on the display by AHG_Flush.
#include "surface.h"

extern "C" {

AHIDEVCONTEXT_T dCtx;
AHISURFACE_T sDraw, sDisp;

// Every primitive draws with the brush (0xF0F0) and leaves the source copy (0xCCCC) in force,
// which text and the copy to the display rely on. The destination is set again each time
// because AHG_Flush leaves the display surface as destination.
static void drawPolyline(AHIPOINT_T* points, UINT32 count) {
  AhiDrawSurfDstSet(dCtx, sDraw, 0);
  AhiDrawRopSet(dCtx, AHIROP_PATCOPY);
  AhiDrawLines(dCtx, points, count, 0);
  AhiDrawRopSet(dCtx, AHIROP_SRCCOPY);
}

static void setPoint(AHIPOINT_T* p, UINT32 x, UINT32 y) {
  p->x = (INT32)x;
  p->y = (INT32)y;
}

void DrawLine(UINT16 x1, UINT16 y1, UINT16 x2, UINT16 y2) {
  AHIPOINT_T points[2];
  setPoint(&points[0], x1, y1);
  setPoint(&points[1], x2, y2);
  drawPolyline(points, 2);
}

// Sums in 32 bits: a rectangle reaching past 65535 does not wrap to the left edge.
void DrawRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h) {
  const UINT32 x2 = (UINT32)x + w;
  const UINT32 y2 = (UINT32)y + h;
  AHIPOINT_T points[5];
  setPoint(&points[0], x, y);
  setPoint(&points[1], x2, y);
  setPoint(&points[2], x2, y2);
  setPoint(&points[3], x, y2);
  setPoint(&points[4], x, y);
  drawPolyline(points, 5);
}

void FillRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h) {
  AHIRECT_T area;  // one past the last column and row
  area.x1 = x;
  area.y1 = y;
  area.x2 = (INT32)((UINT32)x + w + 1);
  area.y2 = (INT32)((UINT32)y + h + 1);
  AhiDrawSurfDstSet(dCtx, sDraw, 0);
  AhiDrawBrushSet(dCtx, 0, 0, 0, 2);
  AhiDrawRopSet(dCtx, AHIROP_PATCOPY);
  AhiDrawSpans(dCtx, &area, 1, 0);
  AhiDrawRopSet(dCtx, AHIROP_SRCCOPY);
}

void myDrawRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h) {
  // Two-pixel dashes on every other pixel: top and bottom edges, then the sides.
  for (UINT16 k = 1; k < (UINT16)(w / 2); ++k) {
    const UINT16 cx = (UINT16)(x + 2 * k);
    DrawLine(cx, y, cx, (UINT16)(y + 1));
    DrawLine(cx, (UINT16)(y + h), cx, (UINT16)(y + h + 1));
  }
  for (UINT16 k = 0; k < (UINT16)(h / 2); ++k) {
    const UINT16 cy = (UINT16)(y + 2 * k + 1);
    DrawLine(x, cy, (UINT16)(x + 1), cy);
    DrawLine((UINT16)(x + w), cy, (UINT16)(x + w + 1), cy);
  }
}

// (r & 0xF8) << 8 | (g & 0xFC) << 3 | b >> 3: the low bits are dropped, not rounded.
void SetColorRGB(UINT8 r, UINT8 g, UINT8 b) {
  const UINT32 colour = ((UINT32)(r & 0xF8) << 8) | ((UINT32)(g & 0xFC) << 3) | (b >> 3);
  AhiDrawBrushFgColorSet(dCtx, colour);
}

void AHG_Init() {
  dCtx = DAL_GetDeviceContext(0);
  sDraw = DAL_GetDrawingSurface(0);
  AhiDispSurfGet(dCtx, &sDisp);
  AhiDrawSurfDstSet(dCtx, sDisp, 0);
  AhiDrawSurfSrcSet(dCtx, sDraw, 0);
  AhiDrawClipDstSet(dCtx, 0);  // no clipping on either side
  AhiDrawClipSrcSet(dCtx, 0);
}

void AHG_Flush() {
  AhiDrawSurfSrcSet(dCtx, sDraw, 0);
  AhiDrawSurfDstSet(dCtx, sDisp, 0);
  AhiDrawClipSrcSet(dCtx, 0);
  AhiDrawClipDstSet(dCtx, 0);
  AhiDrawRopSet(dCtx, AHIROP_SRCCOPY);
  AHIRECT_T screen;
  screen.x1 = 0;
  screen.y1 = 0;
  screen.x2 = 176;
  screen.y2 = 220;
  AHIPOINT_T origin;
  setPoint(&origin, 0, 0);
  AhiDrawBitBlt(dCtx, &screen, &origin);
}

}  // extern "C"
