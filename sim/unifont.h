// GNU Unifont glyphs (8 or 16 x 16) from Debian's unifont.hex, for the platform's own dialogs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace phone::sim {

class Unifont {
 public:
  static constexpr const char* kDefaultPath = "/usr/share/unifont/unifont.hex";
  static constexpr int kHeight = 16;

  // Loads the glyphs of the 16-bit plane; without the file every glyph is an empty box.
  explicit Unifont(const std::filesystem::path& path = kDefaultPath);
  bool loaded() const { return !glyphs_.empty(); }

  // Width of the glyph of `c`: 8 or 16.
  int width(char16_t c) const;
  // Whether pixel (x, y) of the glyph of `c` is ink.
  bool ink(char16_t c, int x, int y) const;

 private:
  std::unordered_map<char16_t, std::vector<uint8_t>> glyphs_;  // 16 rows of 1 or 2 bytes
};

}  // namespace phone::sim
