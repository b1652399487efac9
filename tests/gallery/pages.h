// The gallery's pages: each draws one screen on the platform's display (a phone just switched
// on) and may set its own enlargement.
#pragma once

#include <string>
#include <vector>

namespace phone::gallery {

// The part of the screen that a page shows (by default all of it), magnified to fill the
// screen as far as whole pixels allow, then enlarged by `scale` in the file.
struct Area {
  int x = 0, y = 0, w = 176, h = 220;
};

struct Page {
  std::string name;  // file name without ".png"
  void (*draw)();
  int scale = 4;
  Area area{};
};

// Every page, in the order the gallery writes them.
const std::vector<Page>& pages();

// Windows-1251 bytes of a UTF-8 text, for sample texts written in Russian here.
std::string cp1251(const std::string& utf8);

// The pages (one file each in pages/).
void strokeFontPage();
void strokeTextPage();
void bitmapFontPage();
void bitmapTextPage();
// The toolkits' widgets (pages/ui_kav.cpp, pages/ui_pemblo.cpp).
void kavMenuPage();
void kavExitPage();
void kavAboutPage();
void kavPartsPage();
void pemblo_enMenuPage();
void pemblo_ruMenuPage();
void pemblo_enExitPage();
void pemblo_ruExitPage();
void pemblo_enAboutPage();
void pemblo_ruAboutPage();
void pemblo_enErrorPage();
void pemblo_ruErrorPage();

}  // namespace phone::gallery
