#include "editor_view.h"

#include <algorithm>
#include <string>

#include <ui/cp1251.h>

#include "editor.h"

namespace phone::sim {

namespace {

constexpr int W = Display::kWidth, H = Display::kHeight;
constexpr Rgb kPaper{0xE4, 0xE8, 0xF0}, kInk{0x10, 0x10, 0x10}, kBar{0x20, 0x40, 0x90},
    kWhite{0xFF, 0xFF, 0xFF}, kFrame{0x70, 0x80, 0xA0}, kCount{0xC8, 0xD4, 0xF0},
    kCursor{0xD0, 0x20, 0x20}, kArrow{0x70, 0x80, 0xA0};

// The screen's parts.
constexpr int kBarHeight = 20;                    // title bar and soft-key line
constexpr int kBoxLeft = 2, kBoxRight = W - 3;    // the text box, frame included
constexpr int kBoxTop = kBarHeight + 4, kBoxBottom = H - kBarHeight - 5;
constexpr int kTextLeft = kBoxLeft + 5, kTextRight = kBoxRight - 6;  // room for the cursor
constexpr int kTextTop = kBoxTop + 4, kLineHeight = Unifont::kHeight + 3;
constexpr int kVisibleLines = (kBoxBottom - 2 - kTextTop) / kLineHeight;

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
  // The glyph of `ch` with its top left at (x, y).
  void glyph(char16_t ch, int x, int y, Rgb c) {
    const int w = font_.width(ch);
    for (int gy = 0; gy < Unifont::kHeight; ++gy)
      for (int gx = 0; gx < w; ++gx)
        if (font_.ink(ch, gx, gy)) fill(x + gx, y + gy, x + gx, y + gy, c);
  }
  // Characters from `x`, as many as end by `right`; returns the x after the last drawn.
  int text(const std::vector<DrawnCharacter>& chars, int x, int y, int right, Rgb c) {
    for (const DrawnCharacter& ch : chars) {
      if (x + ch.width > right) break;
      glyph(ch.glyph, x, y, c);
      x += ch.width;
    }
    return x;
  }
  // A small triangle pointing up or down, `size` rows high, apex at (x, y).
  void arrow(int x, int y, int size, bool up, Rgb c) {
    for (int row = 0; row < size; ++row) {
      const int yy = up ? y + row : y - row;
      fill(x - row, yy, x + row, yy, c);
    }
  }

 private:
  std::vector<Rgb>& frame_;
  const Unifont& font_;
};

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

int widthOf(const std::vector<DrawnCharacter>& chars) {
  int w = 0;
  for (const DrawnCharacter& ch : chars) w += ch.width;
  return w;
}

}  // namespace

char16_t shownCharacter(char16_t unit) {
  if (unit >= 0xC0 && unit <= 0xFF) return static_cast<char16_t>(0x0410 + (unit - 0xC0));
  if (unit >= 0x80 && unit < 0xC0) {
    // 0x98 has no character in the code page: it shows as its own (control) unit.
    const UINT16 cp = cp1251::kHigh[unit - 0x80];
    return cp ? static_cast<char16_t>(cp) : unit;
  }
  return unit;
}

std::vector<DrawnCharacter> drawnCharacters(std::u16string_view text, const Unifont& font) {
  std::vector<DrawnCharacter> out;
  for (size_t i = 0; i < text.size();) {
    DrawnCharacter ch;
    ch.unit = i;
    if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1])) {
      ch.units = 2;
      ch.glyph = u'\uFFFD';  // the font has the 16-bit plane only
    } else if (isHigh(text[i]) || isLow(text[i])) {
      ch.glyph = u'\uFFFD';
    } else {
      ch.glyph = shownCharacter(text[i]);
    }
    ch.width = font.width(ch.glyph);
    i += ch.units;
    out.push_back(ch);
  }
  return out;
}

std::vector<TextLine> wrapText(const std::vector<DrawnCharacter>& chars, int width) {
  std::vector<TextLine> lines;
  TextLine line;
  int x = 0;
  size_t afterSpace = 0;  // the character after the line's last space, or 0 for none
  for (size_t i = 0; i < chars.size(); ++i) {
    const bool space = chars[i].glyph == u' ';
    if (x + chars[i].width > width && i > line.first) {
      if (space) {
        // A space that does not fit ends the line, standing past its end unseen.
        line.last = i + 1;
        lines.push_back(line);
        line = TextLine{i + 1, i + 1};
        x = 0;
        afterSpace = 0;
        continue;
      }
      line.last = afterSpace > line.first ? afterSpace : i;
      lines.push_back(line);
      line = TextLine{line.last, line.last};
      x = 0;
      for (size_t k = line.first; k < i; ++k) x += chars[k].width;
      afterSpace = 0;
    }
    x += chars[i].width;
    if (space) afterSpace = i + 1;
  }
  line.last = chars.size();
  lines.push_back(line);
  return lines;
}

void drawEditor(const Editor& editor, const Unifont& font, std::vector<Rgb>& frame,
                bool cursorShown) {
  Painter p(frame, font);
  p.fill(0, 0, W - 1, H - 1, kPaper);

  // Title bar: the title, and the count of units against the maximum at its right.
  p.fill(0, 0, W - 1, kBarHeight - 1, kBar);
  const std::string countText =
      std::to_string(editor.text().size()) + "/" + std::to_string(editor.maxChars());
  const auto count = drawnCharacters(std::u16string(countText.begin(), countText.end()), font);
  const int countX = W - 4 - widthOf(count);
  p.text(count, countX, 2, W, kCount);
  p.text(drawnCharacters(editor.title(), font), 4, 2, countX - 6, kWhite);

  // The text box.
  p.fill(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, kWhite);
  p.frame(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom, kFrame);

  const auto chars = drawnCharacters(editor.text(), font);
  const auto lines = wrapText(chars, kTextRight - kTextLeft);
  // The cursor stands before character `at`; on a line's first character it belongs to that
  // line, not to the end of the line before.
  size_t at = 0;
  while (at < chars.size() && chars[at].unit < editor.cursor()) ++at;
  size_t cursorLine = 0;
  while (cursorLine + 1 < lines.size() && lines[cursorLine + 1].first <= at) ++cursorLine;
  // Scrolled as little as keeps the cursor's line in view.
  const size_t top = cursorLine >= size_t(kVisibleLines) ? cursorLine + 1 - kVisibleLines : 0;

  for (size_t l = top; l < lines.size() && l < top + kVisibleLines; ++l) {
    const int y = kTextTop + int(l - top) * kLineHeight;
    int x = kTextLeft;
    for (size_t i = lines[l].first; i < lines[l].last; ++i) {
      if (x + chars[i].width <= kTextRight) p.glyph(chars[i].glyph, x, y, kInk);
      x += chars[i].width;
    }
  }
  if (cursorShown) {
    int x = kTextLeft;
    for (size_t i = lines[cursorLine].first; i < at; ++i) x += chars[i].width;
    x = std::min(x, kTextRight);
    const int y = kTextTop + int(cursorLine - top) * kLineHeight;
    p.fill(x - 1, y - 1, x, y + Unifont::kHeight, kCursor);
  }
  // Marks in the gaps above and below the box for lines scrolled out of it.
  if (top > 0) p.arrow(W / 2, kBarHeight, 3, true, kArrow);
  if (top + kVisibleLines < lines.size()) p.arrow(W / 2, H - kBarHeight - 2, 3, false, kArrow);

  // Soft-key line: the right soft key confirms.
  p.fill(0, H - kBarHeight, W - 1, H - 1, kBar);
  const auto ok = drawnCharacters(u"OK", font);
  p.text(ok, W - 4 - widthOf(ok), H - kBarHeight + 2, W, kWhite);
}

}  // namespace phone::sim
