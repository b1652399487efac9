// The calculator's stroke font: every code 0x20-0xFF on its cell, and sample texts.
#include "font_images.h"
#include "pages.h"

namespace phone::gallery {

using testing::StrokeFontImage;

namespace {

constexpr UINT32 kBackground = 0x00002800, kCell = 0x20305000, kInk = 0xFFFF0000;
constexpr UINT32 kLabel = 0x8080A000;

void clear(StrokeFontImage& font) {
  font.SetBkColor(kBackground);
  font.FillRect(0, 0, 175, 219);
}

}  // namespace

// Sixteen codes a row, each 7 x 9 cell shown on a lighter patch, rows labelled by code.
void strokeFontPage() {
  StrokeFontImage font;
  clear(font);
  const char* labels = "23456789ABCDEF";
  for (int row = 0; row < 14; ++row) {
    const int y = 4 + row * 15;
    const char label[] = {labels[row], 0};
    font.writestring(kLabel, label, 1, UINT16(y));
    for (int col = 0; col < 16; ++col) {
      const int x = 12 + col * 10;
      font.SetBkColor(kCell);
      font.FillRect(INT16(x), INT16(y), 6, 8);
      font.SetColor(kInk);
      font.NWchar(UINT16(x), UINT16(y), UINT8(0x20 + row * 16 + col));
    }
  }
}

// Texts as the calculator writes them, one full line being 25 characters.
void strokeTextPage() {
  StrokeFontImage font;
  clear(font);
  const std::string lines[] = {
      "Consider|About|Exit",
      "Naminal: 4.7 kOhm",
      cp1251("Т norm., ppm/C: 100"),
      "Tolerance: +-5%",
      "The quick brown fox",
      "jumps over the lazy dog.",
      "THE QUICK BROWN FOX",
      "0123456789 #$%'()*+,-./",
      ":;<=>?@[\\]^_`{|}~\"",
      cp1251("Съешь же ещё этих мягких"),
      cp1251("французских булок."),
      cp1251("СЪЕШЬ ЖЕ ЕЩЁ ЭТИХ МЯГКИХ"),
      cp1251("ФРАНЦУЗСКИХ БУЛОК."),
      cp1251("Ўў «» „“ ‘’ – — … № ‚"),
      cp1251("ШШ щщ ЖЖ фф ЮЮ ыы"),
  };
  int y = 4;
  for (const auto& line : lines) {
    font.writestring(kInk, line.c_str(), 1, UINT16(y));
    y += 13;
  }
}

}  // namespace phone::gallery
