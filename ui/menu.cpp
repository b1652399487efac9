// Soft-key strip, left label and pop-up menu, shared by both programs' toolkits; each
// program's downsoftline (kav_layer.cpp, pemblo_layer.cpp) puts its own texts around them.
#include "menu.h"

using namespace ui;

extern "C" UINT16 charCol(const char* text, UINT8 c) {
  UINT16 n = 0;
  for (const char* p = text; *p != 0; ++p)
    if ((UINT8)*p == c) ++n;
  return n;
}

namespace ui {

void drawStrip(UINT8 open, int labelWidth) {
  for (int i = 0; i < 12; ++i) {
    const Colour dark = {(UINT8)(60 - 5 * i), (UINT8)(60 - 5 * i), (UINT8)(105 - 2 * i)};
    lineColour(dark);
    line(0, 208 + i, kStripEnd, 208 + i);
    // The list editor's header strip mirrors the soft-key strip: row 12 like row 208.
    if (kHeaderStrip) line(0, 12 - i, 176, 12 - i);
    // Under the label of an open menu the strip grows brighter downwards instead.
    if (open) {
      lineColour(Colour{(UINT8)(60 + 5 * i), (UINT8)(60 + 5 * i), (UINT8)(105 + 2 * i)});
      line(0, 208 + i, labelWidth + kLitExtra, 208 + i);
    }
  }
}

void drawLeftLabel(const char* label, UINT8 open) {
  textAt(open ? kLabelOpen : kLabelClosed, kLabelX, kLabelY, label);
}

void drawMenu(const char* menu, UINT16 sel) {
  const UINT16 n = charCol(menu, 0x7C);
  const int top = 196 - 12 * n;  // first row inside the frame

  lineColour(kMenuFrame);
  rect(2, top - 1, 60, 12 * n + 14);  // lower edge on row 209, inside the strip
  fillColour(Colour{0, 0, 96});
  fill(3, top, 58, 12 * n + 12);
  fillColour(Colour{85, 68, 102});
  fill(3, top + 12 * sel, 58, 11);  // highlight bar: 12 rows

  // Items character by character; a separator starts the next item's row.
  int x = 4;
  UINT16 k = 0;
  for (const char* p = menu; *p != 0; ++p) {
    const UINT8 ch = (UINT8)*p;
    if (ch == 0x7C) {
      ++k;
      x = 4;
      continue;
    }
    menuChar(k == sel ? kItemLit : kItem, x, top + 2 + kItemStep * k, ch);
    x += kCharWidth;
  }
}

}  // namespace ui
