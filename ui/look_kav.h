// The calculator's layer: canvas colours (0xRRGGBB00), the stroke font (7-pixel advance)
// and the calculator's offsets, colours and texts.
#pragma once

#include "kav_toolkit.h"

#define UI_RESULT UINT32
#define UI_OK 0

namespace ui {

static inline UINT32 canvasColour(Colour c) {
  return ((UINT32)c.r << 24) | ((UINT32)c.g << 16) | ((UINT32)c.b << 8);
}

// Coordinates arrive as int and reach the canvas as 16-bit values, wrapping as on the phone.
static inline void lineColour(Colour c) { SetColor(canvasColour(c)); }
static inline void fillColour(Colour c) { SetBkColor(canvasColour(c)); }
// Outlines and fills of one shape in one colour: the canvas keeps two colours.
static inline void shapeColour(Colour c) {
  SetColor(canvasColour(c));
  SetBkColor(canvasColour(c));
}
static inline void line(int x1, int y1, int x2, int y2) {
  DrawLine((INT16)x1, (INT16)y1, (INT16)x2, (INT16)y2);
}
static inline void rect(int x, int y, int w, int h) { DrawRect((INT16)x, (INT16)y, (INT16)w, (INT16)h); }
static inline void fill(int x, int y, int w, int h) { FillRect((INT16)x, (INT16)y, (INT16)w, (INT16)h); }

static inline int textWidth(const char* text) { return len(text); }
static inline void textAt(Colour c, int x, int y, const char* text) {
  writestring(canvasColour(c), text, (UINT16)x, (UINT16)y);
}
// The stroke font's text call always takes its colour.
static inline void textLine(const TextLine& t, int x, int y) { textAt(t.colour, x, y, t.text); }
// One menu character: the colour for each, as the menu sets it per character.
static inline void menuChar(Colour c, int x, int y, UINT8 ch) {
  SetColor(canvasColour(c));
  NWchar((UINT16)x, (UINT16)y, ch);
}

constexpr int kCharWidth = 7;

// Window frame: cyan title one pixel in from the body's left edge, on the bar's second row.
constexpr Colour kTitleColour = {0, 255, 255};
constexpr int kTitleDx = 1;
constexpr int kTitleDy = -10;

// Pointer outline, offsets from its tip.
constexpr INT8 kPointer[7][2] = {{0, 0}, {10, 5}, {7, 7}, {11, 11}, {7, 13}, {5, 8}, {2, 10}};

// Soft-key line.
constexpr int kStripEnd = 175;
constexpr int kLitExtra = 8;  // lit part under the label ends at its width + 8
constexpr int kHeaderStrip = 0;
constexpr int kLabelX = 4;
constexpr int kLabelY = 210;
constexpr Colour kLabelOpen = {255, 255, 255};
constexpr Colour kLabelClosed = {170, 170, 34};

// Pop-up menu.
constexpr Colour kMenuFrame = {120, 120, 255};
constexpr int kItemStep = 12;
constexpr Colour kItemLit = {255, 255, 255};
constexpr Colour kItem = {170, 170, 34};

// Buttons: texts 7 pixels inside a pair's buttons, a single button's text centred, row Y + 61.
constexpr Colour kButtonYellow = {255, 255, 0};
constexpr int kPairTextInset = 7;
constexpr int kSingleTextDx = 0;
constexpr int kButtonTextDy = 61;

// Dialog messages.
constexpr Colour kMessage = {255, 255, 255};

const ExitTexts& exitTexts();
const BoxLayout& aboutLayout();

}  // namespace ui
