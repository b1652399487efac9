#include "pages.h"

#include <stdexcept>

#include "ui/cp1251.h"

namespace phone::gallery {

const std::vector<Page>& pages() {
  // The character sets whole, then in quarters of 8 x 7 codes, close up.
  static const std::vector<Page> all = {
      {"stroke_font", strokeFontPage},
      {"stroke_font_1", strokeFontPage, 5, {8, 0, 88, 110}},
      {"stroke_font_2", strokeFontPage, 5, {88, 0, 88, 110}},
      {"stroke_font_3", strokeFontPage, 5, {8, 105, 88, 110}},
      {"stroke_font_4", strokeFontPage, 5, {88, 105, 88, 110}},
      {"stroke_text", strokeTextPage},
      {"bitmap_font", bitmapFontPage},
      {"bitmap_font_1", bitmapFontPage, 5, {8, 0, 72, 110}},
      {"bitmap_font_2", bitmapFontPage, 5, {72, 0, 72, 110}},
      {"bitmap_font_3", bitmapFontPage, 5, {8, 105, 72, 110}},
      {"bitmap_font_4", bitmapFontPage, 5, {72, 105, 72, 110}},
      {"bitmap_text", bitmapTextPage},
      // The toolkits: whole screens, and the soft-key line with the open menu close up.
      {"ui_kav_menu", kavMenuPage},
      {"ui_kav_menu_close", kavMenuPage, 5, {0, 160, 88, 60}},
      {"ui_kav_exit", kavExitPage},
      {"ui_kav_about", kavAboutPage},
      {"ui_kav_parts", kavPartsPage},
      {"ui_pemblo_en_menu", pemblo_enMenuPage},
      {"ui_pemblo_ru_menu", pemblo_ruMenuPage},
      {"ui_pemblo_ru_menu_close", pemblo_ruMenuPage, 5, {0, 140, 88, 80}},
      {"ui_pemblo_en_exit", pemblo_enExitPage},
      {"ui_pemblo_ru_exit", pemblo_ruExitPage},
      {"ui_pemblo_en_about", pemblo_enAboutPage},
      {"ui_pemblo_ru_about", pemblo_ruAboutPage},
      {"ui_pemblo_en_error", pemblo_enErrorPage},
      {"ui_pemblo_ru_error", pemblo_ruErrorPage},
  };
  return all;
}

std::string cp1251(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    uint32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = cp << 6 | (static_cast<unsigned char>(utf8.at(i + k)) & 0x3F);
    i += extra + 1;
    const INT32 byte = cp1251::cp1251FromUnicode(cp);
    if (byte < 0) throw std::runtime_error("no Windows-1251 byte for U+" + std::to_string(cp));
    out += static_cast<char>(byte);
  }
  return out;
}

}  // namespace phone::gallery
