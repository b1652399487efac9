// The phone's 176 x 220 display: one frame of 8-bit red, green, blue.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace phone {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

// 5-6-5 colours widen to 8 bits by bit replication, so 0xFFFF is white and 0 black.
constexpr Rgb widen565(uint16_t c) {
  const uint8_t r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
  return Rgb{static_cast<uint8_t>(r << 3 | r >> 2), static_cast<uint8_t>(g << 2 | g >> 4),
             static_cast<uint8_t>(b << 3 | b >> 2)};
}
// The top five, six and five bits; widen565(narrow565(x)) == x for every 5-6-5 colour.
constexpr uint16_t narrow565(Rgb c) {
  return static_cast<uint16_t>((c.r & 0xF8) << 8 | (c.g & 0xFC) << 3 | c.b >> 3);
}

class Display {
 public:
  static constexpr int kWidth = 176;
  static constexpr int kHeight = 220;

  Rgb pixel(int x, int y) const { return frame_[y * kWidth + x]; }
  // Pixels outside the screen are dropped.
  void set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
    frame_[y * kWidth + x] = colour;
    ++written_;
  }
  const std::array<Rgb, kWidth * kHeight>& frame() const { return frame_; }
  void clear() { frame_.fill(Rgb{}); }

  // Backlight off dims what the window shows, not the frame itself.
  bool backlight() const { return backlight_; }
  void setBacklight(bool on) { backlight_ = on; }

  // Pixels written since start (benchmarks report it).
  uint64_t pixelsWritten() const { return written_; }

 private:
  std::array<Rgb, kWidth * kHeight> frame_{};
  bool backlight_ = true;
  uint64_t written_ = 0;
};

// Writes the frame as a PNG (8-bit RGB), byte for byte the same for the same frame.
// Throws std::runtime_error naming the path and the cause when it cannot.
void writePng(const std::filesystem::path& path, const Display& display, int scale = 1);
// Reads a PNG written by writePng (scale 1) back into RGB pixels; throws on failure.
std::vector<Rgb> readPng(const std::filesystem::path& path, int& width, int& height);

}  // namespace phone
