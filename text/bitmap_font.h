// The list editor's bitmap font: cells of 5 x 12 pixels, 5 pixels apart, drawn by the
// platform's character blitter into the off-screen drawing surface in the text colour.
// Pixels without ink are left as they were, so text lies over what was drawn before.
#pragma once

#include <phone/types.h>

extern "C" {

// Text colour from 8-bit components, packed 5-6-5 (low bits dropped); the shape colour stays.
void TextColorRGB(UINT8 r, UINT8 g, UINT8 b);
// Writes the text with its first cell's top-left corner at (x, y), one blitter call.
// Texts longer than 255 bytes are cut to their first 255 (the character count is 8 bits).
void WriteString(UINT8 x, UINT8 y, const char* text);
// Writes the one character c at (x mod 256, y mod 256).
void WriteChar(UINT16 x, UINT16 y, UINT8 c);

// 224 glyphs of 8 bytes for the codes 0x20..0xFF: the 60 pixels row by row, 5 bits a row,
// most significant bit first, the last 4 bits zero.
extern const UINT8 font_bits[1792];

}  // extern "C"
