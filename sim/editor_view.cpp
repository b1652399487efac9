#include "editor_view.h"

#include <algorithm>
#include <string>

#include "editor.h"

namespace phone::sim {

namespace {

constexpr int W = Display::kWidth, H = Display::kHeight;
constexpr Rgb kPaper{0xF0, 0xF0, 0xE8}, kInk{0x10, 0x10, 0x10}, kBar{0x20, 0x40, 0x90},
    kWhite{0xFF, 0xFF, 0xFF}, kGrey{0x80, 0x80, 0x80};

class Painter {
 public:
  Painter(std::vector<Rgb>& frame, const Unifont& font) : frame_(frame), font_(font) {}

  void fill(int x1, int y1, int x2, int y2, Rgb c) {  // inclusive corners
    for (int y = std::max(y1, 0); y <= std::min(y2, H - 1); ++y)
      for (int x = std::max(x1, 0); x <= std::min(x2, W - 1); ++x) frame_[y * W + x] = c;
  }
  void frame(int x1, int y1, int x2, int y2, Rgb c) {
    fill(x1, y1, x2, y1, c);
    fill(x1, y2, x2, y2, c);
    fill(x1, y1, x1, y2, c);
    fill(x2, y1, x2, y2, c);
  }
  // One character at (x, y); returns its width.
  int glyph(char16_t ch, int x, int y, Rgb c) {
    const int w = font_.width(ch);
    for (int gy = 0; gy < Unifont::kHeight; ++gy)
      for (int gx = 0; gx < w; ++gx)
        if (font_.ink(ch, gx, gy)) fill(x + gx, y + gy, x + gx, y + gy, c);
    return w;
  }
  int textWidth(std::u16string_view text) const {
    int w = 0;
    for (char16_t ch : text) w += font_.width(ch);
    return w;
  }
  void text(std::u16string_view text, int x, int y, Rgb c) {
    for (char16_t ch : text) x += glyph(ch, x, y, c);
  }

 private:
  std::vector<Rgb>& frame_;
  const Unifont& font_;
};

}  // namespace

void drawEditor(const Editor& editor, const Unifont& font, std::vector<Rgb>& frame) {
  Painter p(frame, font);
  p.fill(0, 0, W - 1, H - 1, kPaper);

  // Title bar.
  p.fill(0, 0, W - 1, 19, kBar);
  std::u16string title = editor.title();
  while (!title.empty() && p.textWidth(title) > W - 8) title.pop_back();
  p.text(title, 4, 2, kWhite);

  // The text, wrapped into the box, with the cursor after its last character.
  constexpr int kBoxTop = 28, kLeft = 6, kRight = W - 7, kLine = 18;
  const std::u16string& text = editor.text();
  int x = kLeft, y = kBoxTop + 4;
  int lines = 1;
  for (char16_t ch : text) {
    if (x + font.width(ch) > kRight) {
      x = kLeft;
      y += kLine;
      ++lines;
    }
    x += font.width(ch);
  }
  const int boxBottom = kBoxTop + 8 + kLine * std::max(lines, 3);
  p.fill(2, kBoxTop, W - 3, boxBottom, kWhite);
  p.frame(2, kBoxTop, W - 3, boxBottom, kGrey);
  x = kLeft;
  y = kBoxTop + 4;
  for (char16_t ch : text) {
    if (x + font.width(ch) > kRight) {
      x = kLeft;
      y += kLine;
    }
    x += p.glyph(ch, x, y, kInk);
  }
  p.fill(x, y, x, y + 15, kBar);

  // Count of characters and the soft keys.
  const std::string count = std::to_string(text.size()) + "/" + std::to_string(editor.maxChars());
  p.text(std::u16string(count.begin(), count.end()), W - 8 - 8 * int(count.size()),
         boxBottom + 4, kGrey);
  p.fill(0, H - 20, W - 1, H - 1, kBar);
  p.text(u"OK", 4, H - 18, kWhite);
  p.text(u"Back", W - 4 - 32, H - 18, kWhite);
}

}  // namespace phone::sim
