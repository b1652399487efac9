// The list editor's bitmap font: every code 0x20-0xFF on its cell, and sample texts.
#include <string>

#include "font_images.h"
#include "pages.h"

namespace phone::gallery {

using testing::BitmapFontImage;

namespace {

// Box-drawing characters (code page 866 order at 0x90-0xBF) and ASCII to the font's bytes.
std::string boxText(const std::string& utf8) {
  static const std::u32string order =
      U"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀";
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out += char(b);
      ++i;
      continue;
    }
    // Box drawing lies at U+2500-U+259F: three UTF-8 bytes.
    const char32_t cp = (b & 0x0F) << 12 | (utf8.at(i + 1) & 0x3F) << 6 | (utf8.at(i + 2) & 0x3F);
    i += 3;
    const auto at = order.find(cp);
    out += at == std::u32string::npos ? '?' : char(0x90 + at);
  }
  return out;
}

void clear(BitmapFontImage& font) {
  font.SetColorRGB(0, 0, 0x28);
  font.FillRect(0, 0, 175, 219);
}

}  // namespace

// Sixteen codes a row, each 5 x 12 cell shown on a lighter patch, rows labelled by code.
void bitmapFontPage() {
  BitmapFontImage font;
  clear(font);
  const char* labels = "23456789ABCDEF";
  for (int row = 0; row < 14; ++row) {
    const int y = 4 + row * 15;
    font.TextColorRGB(0x80, 0x80, 0xA0);
    font.WriteChar(2, UINT16(y), UINT8(labels[row]));
    for (int col = 0; col < 16; ++col) {
      const int x = 12 + col * 8;
      font.SetColorRGB(0x20, 0x30, 0x50);
      font.FillRect(UINT16(x), UINT16(y), 4, 11);
      font.TextColorRGB(255, 255, 255);
      font.WriteChar(UINT16(x), UINT16(y), UINT8(0x20 + row * 16 + col));
    }
  }
  font.AHG_Flush();
}

// Texts as the list editor writes them (35 characters a line), a box frame and text over a
// filled bar.
void bitmapTextPage() {
  BitmapFontImage font;
  clear(font);
  const std::string lines[] = {
      "BlackList.txt",
      "The quick brown fox jumps over",
      "the lazy dog. THE QUICK BROWN FOX",
      "0123456789 !\"#$%&'()*+,-./:;<=>?@",
      "[\\]^_`{|}~ gjpqy Qy",
      cp1251("Съешь же этих мягких французских"),
      cp1251("булок, да выпей чаю. ЙЦУКЕН"),
      cp1251("СЪЕШЬ ЖЕ ЭТИХ МЯГКИХ ФРАНЦУЗСКИХ"),
      cp1251("Редактировать Удалить Добавить"),
  };
  int y = 2;
  font.TextColorRGB(255, 255, 255);
  for (const auto& line : lines) {
    font.WriteString(1, UINT8(y), line.c_str());
    y += 13;
  }
  font.SetColorRGB(0x55, 0x55, 0x5E);
  font.FillRect(0, UINT16(y), 175, 13);
  font.TextColorRGB(250, 250, 0);
  font.WriteString(2, UINT8(y + 1), cp1251("Выход? Да Нет  Exit? Yes No").c_str());
  y += 18;
  // Box glyphs side by side and 12 rows apart join into frames; shades and blocks fill.
  font.TextColorRGB(0xC0, 0xFF, 0xC0);
  const char* frames[] = {
      "╔═══╤═══╗ ┌───┬───┐ ╓─╥─╖ ░▒▓█",
      "║ab │cd ║ │ab │cd │ ║a║b║ ▄▀▌▐",
      "╟───┼───╢ ╞═══╪═══╡ ╟─╫─╢ ░▒▓█",
      "║ef │gh ║ │ef │gh │ ║c║d║ ▐▌▀▄",
      "╚═══╧═══╝ └───┴───┘ ╙─╨─╜ █▓▒░",
      "╒═╕ ╒╤╕ ┌┐╔╗ ╔╦╗ ╠╬╣ ┌┬┐ ├┼┤",
      "╘═╛ ╘╧╛ └┘╚╝ ╚╩╝ ╚╩╝ └┴┘ └┴┘",
  };
  for (const char* line : frames) {
    font.WriteString(1, UINT8(y), boxText(line).c_str());
    y += 12;
  }
  font.AHG_Flush();
}

}  // namespace phone::gallery
