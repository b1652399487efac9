// The two fonts as loaded images: the stroke font over the canvas primitives and the bitmap
// font over the surface primitives, each opened afresh with its routines looked up by name.
#pragma once

#include <cstdint>
#include <filesystem>

#include <phone/types.h>

#include "image.h"

namespace phone::testing {

std::filesystem::path fontImagePath(const char* name);

// The calculator's font. A fresh image draws on a fresh canvas (its `dialog`).
class StrokeFontImage {
 public:
  StrokeFontImage();

  UINT32 (*NWchar)(UINT16 x, UINT16 y, UINT8 code);
  UINT32 (*writestring)(UINT32 colour, const char* text, UINT16 x, UINT16 y);
  UINT16 (*len)(const char* text);
  UINT32 (*SetColor)(UINT32 colour);
  UINT32 (*SetBkColor)(UINT32 colour);
  UINT32 (*FillRect)(INT16 x, INT16 y, INT16 w, INT16 h);

  uint32_t canvas() const { return canvas_; }

 private:
  Image image_;
  uint32_t canvas_;
};

// The list editor's font, with the surface set up as the list editor's main state does
// (AHG_Init): text goes into the 5-6-5 drawing surface.
class BitmapFontImage {
 public:
  BitmapFontImage();

  void (*TextColorRGB)(UINT8 r, UINT8 g, UINT8 b);
  void (*WriteString)(UINT8 x, UINT8 y, const char* text);
  void (*WriteChar)(UINT16 x, UINT16 y, UINT8 c);
  const UINT8* font_bits;
  void (*SetColorRGB)(UINT8 r, UINT8 g, UINT8 b);
  void (*FillRect)(UINT16 x, UINT16 y, UINT16 w, UINT16 h);
  void (*AHG_Init)();
  void (*AHG_Flush)();

  uint32_t context() const { return *image_.symbol<uint32_t>("dCtx"); }
  uint32_t drawingSurface() const { return *image_.symbol<uint32_t>("sDraw"); }

 private:
  Image image_;
};

}  // namespace phone::testing
