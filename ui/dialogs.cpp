// Buttons, icon, exit confirmation and the one-button boxes (About, error), shared by both
// programs' toolkits; the texts and what differs in placing them come from the layer.
#include "dialogs.h"

using namespace ui;

namespace {

constexpr Colour kButtonLine = {120, 120, 255};
constexpr Colour kButtonLit = {0, 0, 221};
constexpr Colour kButtonPlain = {51, 51, 51};
constexpr Colour kButtonGrey = {136, 136, 136};

void drawLines(const TextLine* lines, UINT8 count, int mx, int my) {
  for (UINT8 i = 0; i < count; ++i) textLine(lines[i], mx + lines[i].dx, my + lines[i].dy);
}

}  // namespace

extern "C" UI_RESULT wOK(UINT8 active, const char* text, INT16 x, INT16 y) {
  const int t = textWidth(text);
  const int a = (t + 14) / 2;
  lineColour(kButtonLine);
  rect(88 - a, y + 59, t + 14, 12);
  fillColour(active ? kButtonLit : kButtonPlain);
  fill(88 - a + 1, y + 60, t + 12, 10);
  textAt(active ? kButtonYellow : kButtonGrey, (176 - t) / 2 + kSingleTextDx, y + kButtonTextDy,
         text);
  return UI_OK;
}

extern "C" UI_RESULT wYESNO(UINT8 sel, const char* l, const char* r, INT16 x, INT16 y) {
  const int lw = textWidth(l);
  const int rw = textWidth(r);
  // The left button ends on column 88, the right one starts on column 95.
  lineColour(kButtonLine);
  rect(74 - lw, y + 59, lw + 14, 12);
  rect(95, y + 59, rw + 14, 12);
  fillColour(sel ? kButtonLit : kButtonPlain);
  fill(75 - lw, y + 60, lw + 12, 10);
  textAt(sel ? kButtonYellow : kButtonGrey, 74 - lw + kPairTextInset, y + kButtonTextDy, l);
  fillColour(sel ? kButtonPlain : kButtonLit);
  fill(96, y + 60, rw + 12, 10);
  textAt(sel ? kButtonGrey : kButtonYellow, 95 + kPairTextInset, y + kButtonTextDy, r);
  return UI_OK;
}

extern "C" UI_RESULT wrIcon(INT16 x, INT16 y) {
  // Speech bubble, tail at the lower right; the last line is a single pixel.
  static const INT8 kBubble[17][4] = {
      {4, 18, 3, 15},   {3, 14, 4, 13},   {4, 12, 8, 8},    {9, 8, 10, 7},
      {11, 7, 14, 6},   {15, 6, 20, 6},   {21, 7, 25, 8},   {26, 9, 29, 12},
      {29, 13, 30, 14}, {30, 15, 29, 18}, {28, 19, 27, 20}, {27, 21, 28, 27},
      {27, 28, 20, 24}, {16, 24, 19, 24}, {10, 23, 15, 24}, {5, 19, 8, 22},
      {9, 22, 9, 22},
  };
  lineColour(Colour{200, 100, 200});
  for (int i = 0; i < 17; ++i)
    line(x + kBubble[i][0], y + kBubble[i][1], x + kBubble[i][2], y + kBubble[i][3]);

  // The red letter i: dot, top bar, base and the stem between them.
  shapeColour(Colour{200, 0, 0});
  line(x + 16, y + 11, x + 17, y + 11);
  line(x + 15, y + 14, x + 18, y + 14);
  line(x + 15, y + 19, x + 18, y + 19);
  fill(x + 16, y + 15, 1, 3);
  return UI_OK;
}

extern "C" UI_RESULT writeExitMenu(INT16 mx, INT16 my, UINT8 sel) {
  const ExitTexts& t = exitTexts();
  writeWin(176 - 2 * mx, 220 - 2 * my, t.title);
  drawLines(t.lines, t.count, mx, my);
  wYESNO(sel, t.yes, t.no, mx - 100, my - 25);
  mCursor(sel ? 76 : 118, my + 39);  // on the highlighted button
  return UI_OK;
}

namespace ui {

void drawBox(INT16 mx, INT16 my, const BoxLayout& box) {
  writeWin(176 - 2 * mx, 220 - 2 * my, box.title);
  if (box.icon) wrIcon(mx + 6, my + 1);
  drawLines(box.before, box.beforeCount, mx, my);
  wOK(1, box.button, (176 - textWidth(box.button)) / 2, (220 - my) / 2 + box.buttonDy);
  mCursor(box.pointerX, my + 85);
  drawLines(box.after, box.afterCount, mx, my);
}

}  // namespace ui

extern "C" UI_RESULT writeAbout(INT16 mx, INT16 my) {
  drawBox(mx, my, aboutLayout());
  return UI_OK;
}
