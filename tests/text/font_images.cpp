#include "font_images.h"

#include "canvas.h"
#include "platform.h"

namespace phone::testing {

std::filesystem::path fontImagePath(const char* name) {
  return std::filesystem::path(PHONE_IMAGE_DIR) / (std::string(name) + ".so");
}

StrokeFontImage::StrokeFontImage()
    : image_(fontImagePath("text_stroke")), canvas_(platform().canvas().create()) {
  NWchar = image_.symbol<UINT32(UINT16, UINT16, UINT8)>("NWchar");
  writestring = image_.symbol<UINT32(UINT32, const char*, UINT16, UINT16)>("writestring");
  len = image_.symbol<UINT16(const char*)>("len");
  SetColor = image_.symbol<UINT32(UINT32)>("SetColor");
  SetBkColor = image_.symbol<UINT32(UINT32)>("SetBkColor");
  FillRect = image_.symbol<UINT32(INT16, INT16, INT16, INT16)>("FillRect");
  *image_.symbol<UIS_DIALOG_T>("dialog") = canvas_;
}

BitmapFontImage::BitmapFontImage() : image_(fontImagePath("text_bitmap")) {
  TextColorRGB = image_.symbol<void(UINT8, UINT8, UINT8)>("TextColorRGB");
  WriteString = image_.symbol<void(UINT8, UINT8, const char*)>("WriteString");
  WriteChar = image_.symbol<void(UINT16, UINT16, UINT8)>("WriteChar");
  font_bits = image_.symbol<const UINT8>("font_bits");
  SetColorRGB = image_.symbol<void(UINT8, UINT8, UINT8)>("SetColorRGB");
  FillRect = image_.symbol<void(UINT16, UINT16, UINT16, UINT16)>("FillRect");
  AHG_Init = image_.symbol<void()>("AHG_Init");
  AHG_Flush = image_.symbol<void()>("AHG_Flush");
  AHG_Init();
}

}  // namespace phone::testing
