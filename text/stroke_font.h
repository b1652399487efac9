// The calculator's stroke font: glyphs of 7 x 9 pixels drawn as line segments, dots and
// rectangle outlines through the canvas primitives, in the canvas's foreground colour.
// Every byte of a text advances the pen 7 pixels, whether or not it has a glyph.
#pragma once

#include <phone/types.h>

extern "C" {

// Draws the glyph of `code` with its cell's top-left corner at (x, y); codes below 0x21 and
// codes without a glyph draw nothing. Sets no colour and moves no pen. Returns 0.
UINT32 NWchar(UINT16 x, UINT16 y, UINT8 code);
// Sets the foreground colour (0xRRGGBB00) and writes the text from (x, y). Returns 0.
UINT32 writestring(UINT32 colour, const char* text, UINT16 x, UINT16 y);
// Width of the text in pixels: 7 per byte, modulo 65536.
UINT16 len(const char* text);

}  // extern "C"
