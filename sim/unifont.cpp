#include "unifont.h"

#include <charconv>
#include <fstream>
#include <string>

namespace phone::sim {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

Unifont::Unifont(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    // "XXXX:" and 32 (8 wide) or 64 (16 wide) hex digits.
    const size_t colon = line.find(':');
    if (colon == std::string::npos || colon > 6) continue;
    unsigned long code = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + colon, code, 16);
    if (error != std::errc{} || end != line.data() + colon) continue;
    const std::string bits = line.substr(colon + 1);
    if (code > 0xFFFF || (bits.size() != 32 && bits.size() != 64)) continue;
    std::vector<uint8_t> glyph(bits.size() / 2);
    bool good = true;
    for (size_t i = 0; i < glyph.size(); ++i) {
      const int hi = hexDigit(bits[2 * i]), lo = hexDigit(bits[2 * i + 1]);
      good = good && hi >= 0 && lo >= 0;
      glyph[i] = static_cast<uint8_t>(hi << 4 | lo);
    }
    if (good) glyphs_[static_cast<char16_t>(code)] = std::move(glyph);
  }
}

int Unifont::width(char16_t c) const {
  const auto it = glyphs_.find(c);
  return it != glyphs_.end() && it->second.size() == 32 ? 16 : 8;
}

bool Unifont::ink(char16_t c, int x, int y) const {
  const auto it = glyphs_.find(c);
  if (it == glyphs_.end()) {
    // No glyph: an empty box marks the character.
    return (y == 2 || y == 13) ? (x >= 1 && x <= 6) : (y > 2 && y < 13 && (x == 1 || x == 6));
  }
  const int bytesPerRow = static_cast<int>(it->second.size()) / kHeight;
  const uint8_t row = it->second[y * bytesPerRow + x / 8];
  return row & (0x80 >> (x % 8));
}

}  // namespace phone::sim
