#include "screen_view.h"

#include <memory>

#include "editor.h"
#include "editor_view.h"
#include "platform.h"

namespace phone::sim {

const Unifont& ScreenView::font() {
  if (!font_) font_.emplace(fontPath_);
  return *font_;
}

const std::vector<Rgb>& ScreenView::compose(Platform& platform, bool cursorShown) {
  const Display& display = platform.display();
  frame_.assign(display.frame().begin(), display.frame().end());
  if (platform.editor().isOpen()) drawEditor(platform.editor(), font(), frame_, cursorShown);
  return frame_;
}

void ScreenView::writePng(const std::filesystem::path& path, Platform& platform, int scale) {
  const std::vector<Rgb>& frame = compose(platform);
  auto picture = std::make_unique<Display>();  // too big for the stack in a sanitizer build
  for (int y = 0; y < Display::kHeight; ++y)
    for (int x = 0; x < Display::kWidth; ++x) picture->set(x, y, frame[y * Display::kWidth + x]);
  phone::writePng(path, *picture, scale);
}

}  // namespace phone::sim
