// The list editor's layer: 5-6-5 shape and text colours, the bitmap font (5-pixel advance)
// and the list editor's offsets, colours and texts in Russian and English.
#pragma once

#include "pemblo_toolkit.h"

#define UI_RESULT void
#define UI_OK

namespace ui {

// Coordinates arrive as int; the surface takes them as unsigned 16-bit values and the
// bitmap font as bytes, both wrapping as on the phone.
static inline void lineColour(Colour c) { SetColorRGB(c.r, c.g, c.b); }
static inline void fillColour(Colour c) { SetColorRGB(c.r, c.g, c.b); }
// The surface has one shape colour for outlines and fills.
static inline void shapeColour(Colour c) { SetColorRGB(c.r, c.g, c.b); }
static inline void line(int x1, int y1, int x2, int y2) {
  DrawLine((UINT16)x1, (UINT16)y1, (UINT16)x2, (UINT16)y2);
}
static inline void rect(int x, int y, int w, int h) {
  DrawRect((UINT16)x, (UINT16)y, (UINT16)w, (UINT16)h);
}
static inline void fill(int x, int y, int w, int h) {
  FillRect((UINT16)x, (UINT16)y, (UINT16)w, (UINT16)h);
}

constexpr int kCharWidth = 5;

static inline int textWidth(const char* text) { return kCharWidth * (int)strlen(text); }
static inline void textAt(Colour c, int x, int y, const char* text) {
  TextColorRGB(c.r, c.g, c.b);
  WriteString((UINT8)x, (UINT8)y, text);
}
static inline void textLine(const TextLine& t, int x, int y) {
  if (t.setColour) TextColorRGB(t.colour.r, t.colour.g, t.colour.b);
  WriteString((UINT8)x, (UINT8)y, t.text);
}
static inline void menuChar(Colour c, int x, int y, UINT8 ch) {
  TextColorRGB(c.r, c.g, c.b);
  WriteChar((UINT16)x, (UINT16)y, ch);
}

// Window frame: yellow title at the body's left edge, in the bar's top row.
constexpr Colour kTitleColour = {250, 250, 0};
constexpr int kTitleDx = 0;
constexpr int kTitleDy = -11;

// Pointer outline, offsets from its tip.
constexpr INT8 kPointer[7][2] = {{0, 0}, {10, 5}, {8, 8}, {11, 11}, {8, 14}, {5, 9}, {2, 10}};

// Soft-key line.
constexpr int kStripEnd = 176;
constexpr int kLitExtra = 14;  // lit part under the label ends at its width + 14
constexpr int kHeaderStrip = 1;
constexpr int kLabelX = 2;
constexpr int kLabelY = 209;
constexpr Colour kLabelOpen = {250, 250, 250};
constexpr Colour kLabelClosed = {170, 170, 34};

// Pop-up menu: item rows 11 apart while the highlight bars stay 12 apart.
constexpr Colour kMenuFrame = {120, 120, 250};
constexpr int kItemStep = 11;
constexpr Colour kItemLit = {250, 250, 250};
constexpr Colour kItem = {170, 170, 34};

// Buttons: texts 3 pixels inside a pair's buttons, a single button's text 3 left of centre,
// row Y + 60.
constexpr Colour kButtonYellow = {250, 250, 0};
constexpr int kPairTextInset = 3;
constexpr int kSingleTextDx = -3;
constexpr int kButtonTextDy = 60;

// Dialog messages.
constexpr Colour kMessage = {250, 250, 250};

// The language test, made on every draw: '#' first in the language code is Russian.
static inline int russian() { return LGID[0] == 0x23; }

const ExitTexts& exitTexts();
const BoxLayout& aboutLayout();
const BoxLayout& errorLayout();

}  // namespace ui
