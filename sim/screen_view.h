// What the phone's screen shows: the display's frame, or the platform's character editor over
// it while the editor is open. The window presents it; screenshots write it.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "display.h"
#include "unifont.h"

namespace phone {
class Platform;
}

namespace phone::sim {

class ScreenView {
 public:
  explicit ScreenView(std::filesystem::path fontPath = Unifont::kDefaultPath)
      : fontPath_(std::move(fontPath)) {}

  // The picture now, Display::kWidth x Display::kHeight. `cursorShown` draws the editor's
  // cursor (the window blinks it).
  const std::vector<Rgb>& compose(Platform& platform, bool cursorShown = true);

  // Writes the picture now as a PNG, each pixel `scale` x `scale`. Throws std::runtime_error
  // naming the path and the cause when it cannot.
  void writePng(const std::filesystem::path& path, Platform& platform, int scale = 1);

  // The editor's font, read the first time it is needed.
  const Unifont& font();

 private:
  std::filesystem::path fontPath_;
  std::optional<Unifont> font_;
  std::vector<Rgb> frame_;
};

}  // namespace phone::sim
