// Window frame and pointer, shared by both programs' toolkits (look.h picks the program).
#include "look.h"

using namespace ui;

extern "C" UI_RESULT writeWin(INT16 w, INT16 h, const char* title) {
  // Centred body; the divisions are signed and drop the remainder, as the callers expect.
  const int x0 = (176 - w) / 2;
  const int y0 = (220 - h) / 2;

  // Title bar: twelve lines growing bluer downwards; the last lies on the body's first row
  // and is covered by the body below.
  for (int i = 0; i < 12; ++i) {
    lineColour(Colour{0x55, 0x55, (UINT8)(0x55 + 9 * i)});
    line(x0, y0 - 11 + i, x0 + w - 1, y0 - 11 + i);
  }

  textAt(kTitleColour, x0 + kTitleDx, y0 + kTitleDy, title);

  // Frame around bar and body, and the close box with its X in the bar's right end.
  lineColour(Colour{0x78, 0x78, 0xFF});
  rect(x0 - 1, y0 - 12, w + 1, h + 12);
  rect(x0 + w - 11, y0 - 10, 8, 8);
  line(x0 + w - 9, y0 - 8, x0 + w - 5, y0 - 4);
  line(x0 + w - 5, y0 - 8, x0 + w - 9, y0 - 4);

  // Body: exactly the inside of the frame below the bar.
  fillColour(Colour{0x20, 0, 0});
  fill(x0, y0, w - 1, h - 1);
  return UI_OK;
}

extern "C" UI_RESULT mCursor(INT16 x, INT16 y) {
  lineColour(Colour{255, 255, 255});
  // Seven lines joining the seven points and closing back to the tip.
  for (int i = 0; i < 7; ++i) {
    const int j = i == 6 ? 0 : i + 1;
    line(x + kPointer[i][0], y + kPointer[i][1], x + kPointer[j][0], y + kPointer[j][1]);
  }
  return UI_OK;
}
