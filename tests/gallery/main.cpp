// phone-gallery OUTDIR [PAGE...]: writes the gallery's pages (all, or those named) as PNGs.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

#include "display.h"
#include "pages.h"
#include "platform.h"

namespace {

// The page's area magnified by whole pixels onto a screen-sized frame.
phone::Display magnified(const phone::Display& screen, const phone::gallery::Area& a) {
  using phone::Display;
  const int factor = std::max(1, std::min(Display::kWidth / a.w, Display::kHeight / a.h));
  Display out;
  for (int y = 0; y < a.h * factor && y < Display::kHeight; ++y)
    for (int x = 0; x < a.w * factor && x < Display::kWidth; ++x) {
      const int sx = a.x + x / factor, sy = a.y + y / factor;
      if (sx < Display::kWidth && sy < Display::kHeight) out.set(x, y, screen.pixel(sx, sy));
    }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help") {
    std::printf("usage: phone-gallery OUTDIR [PAGE...]\npages:");
    for (const auto& page : phone::gallery::pages()) std::printf(" %s", page.name.c_str());
    std::printf("\n");
    return argc < 2 ? 2 : 0;
  }
  try {
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const std::set<std::string> wanted(argv + 2, argv + argc);
    int written = 0;
    for (const auto& page : phone::gallery::pages()) {
      if (!wanted.empty() && !wanted.contains(page.name)) continue;
      phone::platform().reset();
      page.draw();
      const auto file = dir / (page.name + ".png");
      phone::writePng(file, magnified(phone::platform().display(), page.area), page.scale);
      std::printf("%s\n", file.c_str());
      ++written;
    }
    if (written == 0) {
      std::fprintf(stderr, "phone-gallery: no page of that name\n");
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "phone-gallery: %s\n", e.what());
    return 1;
  }
  return 0;
}
