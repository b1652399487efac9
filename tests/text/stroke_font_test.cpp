// The stroke font: every glyph against its strokes, the glyphs drawn as pixels, and the text
// calls' pen, width and colour.
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "canvas.h"
#include "ui/cp1251.h"
#include "display.h"
#include "font_images.h"
#include "platform.h"

namespace phone::testing {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The font's design table, kept here apart from the program's copy: code, then its strokes
// ("a,b–c,d" segment, "a,b" dot, "Ra,b,w,h" rectangle outline, "as 0xNN" another code's).
constexpr const char* kDesignTable = R"(
0x21 3,1–3,5 3,7
0x22 2,1–2,2 4,1–4,2
0x23 2,2–2,7 4,2–4,7 1,3–5,3 1,6–5,6
0x24 1,2–1,4 2,2–5,2 1,6–5,6 2,4–4,4 5,4–5,5 3,1 3,7
0x25 R1,2,1,1 1,6–5,2 R4,5,1,1
0x27 3,1–3,2
0x28 3,1 3,7 2,2–2,6
0x29 2,1 2,7 3,2–3,6
0x2A 3,3–3,5 1,3 1,5 5,5 5,3 2,4–4,4
0x2B 3,2–3,6 1,4–5,4
0x2C 2,6–1,7
0x2D 1,4–5,4
0x2E 2,7
0x2F 1,6–5,2
0x30 R1,1,4,6
0x31 3,1–3,7 2,1
0x32 5,2–5,3 1,1–5,1 1,7–5,7 1,4–5,4 1,5–1,6
0x33 5,2–5,6 1,1–5,1 1,7–5,7 3,4–4,4
0x34 5,1–5,7 1,1–1,3 1,4–4,4
0x35 1,1–1,4 2,1–5,1 1,7–5,7 2,4–4,4 5,4–5,6
0x36 1,1–1,3 2,1–5,1 R1,4,4,3
0x37 5,2–5,7 1,1–5,1
0x38 R1,1,4,6 1,4–5,4
0x39 R1,1,4,3 5,5–5,7 1,7–4,7
0x3A 3,6 3,3
0x3B 3,6–2,7 3,3
0x3C 1,4–3,2 2,5–3,6
0x3D 1,3–5,3 1,5–5,5
0x3E 2,2–4,4 2,6–3,5
0x3F 5,2–5,3 1,1–5,1 2,7 2,4–5,4 2,5
0x40 2,1–4,1 3,3–4,3 3,6 1,2 0,3–0,6 1,7 2,4–2,5 4,4–4,5 5,2 6,3–6,6 5,6
0x41 1,1–1,7 5,1–5,7 2,1–4,1 2,4–4,4
0x42 R1,4,4,3 1,1–4,1 1,2–1,3 5,2–5,3
0x43 1,1–1,7 2,1–5,1 2,7–5,7
0x44 1,1–1,7 2,1–4,1 2,7–4,7 5,2–5,6
0x45 1,1–1,7 2,1–5,1 2,7–5,7 2,4–3,4
0x46 1,1–1,7 2,1–5,1 2,4–3,4
0x47 1,1–1,7 2,1–5,1 2,7–5,7 5,5–5,6 4,5
0x48 1,1–1,7 5,1–5,7 2,4–4,4
0x49 3,1–3,7 2,1–4,1 2,7–4,7
0x4A 1,6 1,7–5,7 5,1–5,6
0x4B 1,1–1,7 2,4–5,1 3,5–5,7
0x4C 1,1–1,7 2,7–5,7
0x4D 0,1–0,7 6,1–6,7 1,2–3,4 4,3–5,2
0x4E 1,1–1,7 5,1–5,7 2,3–4,5
0x4F as 0x30
0x50 R1,1,4,3 1,5–1,7
0x51 R1,1,4,6 3,6–3,8
0x52 R1,1,4,3 1,5–1,7 3,5–5,7
0x53 as 0x35
0x54 3,2–3,7 1,1–5,1
0x55 1,1–1,7 5,1–5,7 2,7–4,7
0x56 1,1–1,5 5,1–5,5 1,5–3,7 4,6
0x57 0,1–0,6 3,1–3,6 6,1–6,6 1,7–2,7 4,7–5,7
0x58 1,1–1,2 5,1–5,2 1,6–1,7 5,6–5,7 2,3–4,5 2,5–4,3
0x59 1,1–1,3 5,1–5,3 2,4 4,4 3,5–3,7
0x5A 1,1–5,1 1,7–5,7 1,6–5,2
0x5B 2,1–2,7 3,1 3,7
0x5C 1,2–5,6
0x5D 3,1–3,7 2,1 2,7
0x5E 1,3–3,1 4,2–5,3
0x5F 1,7–5,7
0x60 as 0x27
0x61 1,3–1,7 5,3–5,7 2,3–4,3 2,5–4,5
0x62 R1,5,4,2 1,3–4,3 1,4 5,4
0x63 1,3–1,7 2,3–5,3 2,7–5,7
0x64 1,3–1,6 2,3–4,3 1,7–4,7 5,4–5,6
0x65 1,3–1,7 2,3–5,3 2,7–5,7 2,5–3,5
0x66 1,3–1,7 2,3–5,3 2,5–3,5
0x67 1,3–1,7 2,3–5,3 2,7–5,7 5,5–5,6 4,5
0x68 1,3–1,7 5,3–5,7 2,5–4,5
0x69 1,3–5,3 1,7–5,7 3,3–3,7
0x6A 5,3 5,5–5,7 1,7–4,7 1,6
0x6B 1,3–1,7 2,5–3,5 4,4–5,3 4,6–5,7
0x6C 1,3–1,7 2,7–5,7
0x6D 1,3–1,7 5,3–5,7 2,4–3,5 4,4
0x6E 1,3–1,7 5,3–5,7 2,3–4,3
0x6F R1,3,4,4
0x70 R1,3,4,2 1,4–1,7
0x71 R1,3,4,4 3,6–3,8
0x72 R1,3,4,2 1,4–1,7 4,6–5,7
0x73 1,3–1,4 2,3–5,3 5,6–5,7 1,5–5,5 1,7–4,7
0x74 3,4–3,7 1,3–5,3
0x75 1,3–1,7 5,3–5,7 2,7–4,7
0x76 1,3–1,5 5,3–5,5 2,6–3,7 4,6
0x77 1,3–1,6 5,3–5,6 2,7 4,7 3,3–3,6
0x78 1,3–5,7 1,7–5,3
0x79 1,3–2,4 3,5–5,3 3,5–3,7
0x7A 1,3–4,3 1,7–5,3 2,7–5,7
0x7B 2,1–2,7 1,4 3,1 3,7
0x7C 3,1–3,7
0x7D 3,1–3,7 4,4 2,1 2,7
0x7E 1,3–3,3 1,4 3,4–5,4 5,3
0x82 1,7–1,8
0x84 as 0x22
0x85 1,7 3,7 5,7
0x91 as 0x27
0x92 as 0x27
0x93 as 0x22
0x94 as 0x22
0x96 1,5–5,5
0x97 as 0x96
0xA1 1,1–1,3 5,1–5,7 1,4–5,4 1,7–5,7 3,0–3,1
0xA2 1,3–2,4 4,4–5,3 3,5–3,7 3,1–3,2
0xA8 as 0x45
0xAB as 0x22
0xB8 1,3–1,7 2,3–5,3 2,7–5,7 2,5–3,5 2,1 4,1
0xB9 as 0x23
0xBB as 0x22
0xC0 as 0x41
0xC1 as 0x36
0xC2 as 0x42
0xC3 1,2–1,7 1,1–5,1
0xC4 as 0x44
0xC5 as 0x45
0xC6 0,1–0,3 0,5–0,7 3,1–3,7 6,1–6,3 6,5–6,7 1,4–5,4
0xC7 5,1–5,7 1,1–4,1 1,7–4,7 3,4–4,4
0xC8 1,1–1,7 5,1–5,7 4,3–2,5
0xC9 1,1–1,7 5,1–5,7 4,3–2,5 3,0
0xCA as 0x4B
0xCB 2,1–2,7 5,1–5,7 1,7 3,1–4,1
0xCC as 0x4D
0xCD as 0x48
0xCE as 0x30
0xCF 1,1–1,7 5,1–5,7 2,1–4,1
0xD0 as 0x50
0xD1 as 0x43
0xD2 as 0x54
0xD3 1,1–1,3 5,1–5,7 1,4–5,4 1,7–5,7
0xD4 R0,1,6,5 3,2–3,7
0xD5 as 0x58
0xD6 1,1–1,7 5,1–5,7 2,7–4,7 6,7–6,8
0xD7 as 0x34
0xD8 0,1–0,6 3,1–3,6 6,1–6,6 0,7–6,7
0xD9 0,1–0,6 3,1–3,6 6,1–6,8 0,7–6,7
0xDA 1,1–1,3 0,1 R1,4,4,3
0xDB 0,1–0,3 R0,4,4,3 6,1–6,7
0xDC 1,1–1,3 R1,4,4,3
0xDD as 0xC7
0xDE 0,1–0,7 R2,1,4,6 1,4
0xDF R1,1,4,3 5,5–5,7 3,5–1,7
0xE0 as 0x61
0xE1 R1,5,4,2 1,3–5,3 1,4
0xE2 as 0x62
0xE3 1,3–5,3 1,4–1,7
0xE4 as 0x64
0xE5 as 0x65
0xE6 1,3–1,7 5,3–5,7 2,5–4,5 3,3–3,7
0xE7 5,3–5,7 1,3–4,3 1,7–4,7 3,5–4,5
0xE8 1,3–1,7 5,3–5,7 4,4–2,6
0xE9 1,3–1,7 5,3–5,7 4,4–2,6 3,2
0xEA as 0x6B
0xEB 2,3–2,7 5,3–5,7 3,3–4,3 1,7
0xEC as 0x6D
0xED as 0x68
0xEE as 0x6F
0xEF as 0x6E
0xF0 as 0x70
0xF1 as 0x63
0xF2 as 0x74
0xF3 1,3–1,4 5,3–5,7 1,5–4,5 1,7–4,7
0xF4 R0,3,6,3 3,4–3,7
0xF5 as 0x78
0xF6 1,3–1,7 5,3–5,7 2,7–4,7 6,7–6,8
0xF7 1,3–1,4 5,3–5,7 1,5–4,5
0xF8 0,3–0,7 3,3–3,7 1,7–5,7 6,3–6,7
0xF9 0,3–0,7 3,3–3,7 1,7–5,7 6,3–6,8
0xFA 1,3–1,4 0,3 R1,5,4,2
0xFB 0,3–0,4 R0,5,4,2 6,3–6,7
0xFC 1,3–1,4 R1,5,4,2
0xFD as 0xE7
0xFE 0,3–0,7 R2,3,4,4 1,5
0xFF R1,3,4,2 5,4–5,7 2,6–1,7
)";

// Pixels of one stroke relative to the pen. Slanted segments must be at 45 degrees.
Pixels strokePixels(const std::string& stroke) {
  Pixels out;
  int a, b, c, d;
  if (stroke[0] == 'R') {
    char sep;
    std::istringstream in(stroke.substr(1));
    in >> a >> sep >> b >> sep >> c >> sep >> d;
    for (int x = a; x <= a + c; ++x) out.insert({x, b}), out.insert({x, b + d});
    for (int y = b; y <= b + d; ++y) out.insert({a, y}), out.insert({a + c, y});
    return out;
  }
  const auto dash = stroke.find("–");
  char sep;
  std::istringstream first(stroke.substr(0, dash));
  first >> a >> sep >> b;
  c = a, d = b;
  if (dash != std::string::npos) {
    std::istringstream second(stroke.substr(dash + std::string("–").size()));
    second >> c >> sep >> d;
  }
  const int dx = (c > a) - (c < a), dy = (d > b) - (d < b);
  const int steps = std::max(std::abs(c - a), std::abs(d - b));
  EXPECT_TRUE(dx == 0 || dy == 0 || std::abs(c - a) == std::abs(d - b)) << stroke;
  for (int i = 0; i <= steps; ++i) out.insert({a + i * dx, b + i * dy});
  return out;
}

// Code -> the glyph's pixels relative to the pen, from the design table.
std::map<int, Pixels> designGlyphs() {
  std::map<int, std::string> rows;
  std::istringstream in(kDesignTable);
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    const auto space = line.find(' ');
    rows[std::stoi(line.substr(0, space), nullptr, 16)] = line.substr(space + 1);
  }
  std::map<int, Pixels> glyphs;
  for (const auto& [code, strokes] : rows) {
    const std::string& own = strokes.starts_with("as ")
                                 ? rows.at(std::stoi(strokes.substr(3), nullptr, 16))
                                 : strokes;
    std::istringstream words(own);
    Pixels& glyph = glyphs[code];
    for (std::string stroke; words >> stroke;) glyph.merge(strokePixels(stroke));
  }
  return glyphs;
}

// A glyph drawn as rows of '#' and '.', columns 0-6 and rows 0-8 of the cell.
Pixels art(const std::array<const char*, 9>& rows) {
  Pixels out;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 7; ++x)
      if (rows[y][x] == '#') out.insert({x, y});
  return out;
}

constexpr UINT32 kInk = 0xFFFF0000;  // yellow
constexpr Rgb kInkRgb{0xFF, 0xFF, 0x00};
constexpr Rgb kPaperRgb{0x00, 0x00, 0x60};

class StrokeFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    platform().trace().enable(true);
    font.emplace();
  }
  void TearDown() override {
    font.reset();
    platform().reset();
  }

  // Pixels in the ink colour, relative to (x0, y0).
  static Pixels inked(int x0 = 0, int y0 = 0) {
    Pixels out;
    const Display& d = platform().display();
    for (int y = 0; y < Display::kHeight; ++y)
      for (int x = 0; x < Display::kWidth; ++x)
        if (d.pixel(x, y) == kInkRgb) out.insert({x - x0, y - y0});
    return out;
  }
  static Pixels shifted(const Pixels& p, int dx, int dy) {
    Pixels out;
    for (auto [x, y] : p) out.insert({x + dx, y + dy});
    return out;
  }
  Pixels glyph(UINT8 code) {
    platform().display().clear();
    font->SetColor(kInk);
    font->NWchar(20, 30, code);
    return inked(20, 30);
  }

  std::optional<StrokeFontImage> font;
};

TEST_F(StrokeFontTest, EveryCodeDrawsExactlyItsStrokes) {
  const auto design = designGlyphs();
  EXPECT_EQ(design.size(), 173u);
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(::testing::Message() << "code 0x" << std::hex << code);
    const auto it = design.find(code);
    EXPECT_EQ(glyph(UINT8(code)), it == design.end() ? Pixels{} : it->second);
  }
}

TEST_F(StrokeFontTest, GlyphsStayInTheirCellAtTheOrigin) {
  for (int code = 0x21; code < 256; ++code) {
    platform().display().clear();
    font->SetColor(kInk);
    font->NWchar(0, 0, UINT8(code));
    for (auto [x, y] : inked())
      EXPECT_TRUE(x <= 6 && y <= 8) << "code 0x" << std::hex << code << " at " << std::dec
                                    << x << "," << y;
  }
}

TEST_F(StrokeFontTest, GlyphsAsPixels) {
  const std::pair<UINT8, Pixels> cases[] = {
      {0x41, art({".......", ".#####.", ".#...#.", ".#...#.", ".#####.", ".#...#.", ".#...#.",
                  ".#...#.", "......."})},
      {0x61, art({".......", ".......", ".......", ".#####.", ".#...#.", ".#####.", ".#...#.",
                  ".#...#.", "......."})},
      {0x30, art({".......", ".#####.", ".#...#.", ".#...#.", ".#...#.", ".#...#.", ".#...#.",
                  ".#####.", "......."})},
      {0x25, art({".......", ".......", ".##..#.", ".##.#..", "...#...", "..#.##.", ".#..##.",
                  ".......", "......."})},
      {0x51, art({".......", ".#####.", ".#...#.", ".#...#.", ".#...#.", ".#...#.", ".#.#.#.",
                  ".#####.", "...#..."})},
      {0xC6, art({".......", "#..#..#", "#..#..#", "#..#..#", ".#####.", "#..#..#", "#..#..#",
                  "#..#..#", "......."})},
      {0xC9, art({"...#...", ".#...#.", ".#...#.", ".#..##.", ".#.#.#.", ".##..#.", ".#...#.",
                  ".#...#.", "......."})},
      {0xD4, art({".......", "#######", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#######",
                  "...#...", "......."})},
  };
  for (const auto& [code, want] : cases) {
    SCOPED_TRACE(::testing::Message() << "code 0x" << std::hex << int(code));
    EXPECT_EQ(glyph(code), want);
  }
}

TEST_F(StrokeFontTest, LookAlikesShareTheirGlyphs) {
  // Each character of `code` is drawn exactly as the one below it in `like`.
  const std::string code = CP1251("ТМЁOSБЧЭ«»№—").text();
  const std::string like = CP1251("TME0564З\"\"#–").text();
  ASSERT_EQ(code.size(), like.size());
  for (size_t i = 0; i < code.size(); ++i)
    EXPECT_EQ(glyph(UINT8(code[i])), glyph(UINT8(like[i]))) << i;
  // ё is the small e with two dots on row 1.
  Pixels e = glyph(0x65);
  e.insert({2, 1});
  e.insert({4, 1});
  EXPECT_EQ(glyph(UINT8(CP1251("ё")[0])), e);
}

TEST_F(StrokeFontTest, NWcharUsesTheCurrentColourAndSetsNone) {
  font->SetColor(kInk);
  platform().trace().clear();
  font->NWchar(0, 0, 'A');
  for (const std::string& call : platform().trace().lines())
    EXPECT_FALSE(call.starts_with("UIS_CanvasSetForegroundColor")) << call;
  EXPECT_FALSE(inked().empty());
}

TEST_F(StrokeFontTest, EmptyTextSetsTheColourAndDrawsNothing) {
  platform().trace().clear();
  EXPECT_EQ(font->writestring(kInk, "", 10, 10), 0u);
  EXPECT_EQ(platform().trace().lines(),
            std::vector<std::string>{"UIS_CanvasSetForegroundColor(255, 255, 0, 0)"});
  EXPECT_EQ(platform().canvas().foreground(), kInkRgb);
  EXPECT_EQ(font->len(""), 0);
}

TEST_F(StrokeFontTest, WritestringSetsTheColourOnceBeforeTheGlyphs) {
  platform().trace().clear();
  font->writestring(0x55446600, "AB", 10, 10);
  const auto calls = platform().trace().lines();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), "UIS_CanvasSetForegroundColor(85, 68, 102, 0)");
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                          [](auto& c) { return c.starts_with("UIS_CanvasSetForeground"); }),
            1);
  EXPECT_EQ(platform().canvas().foreground(), (Rgb{0x55, 0x44, 0x66}));
}

TEST_F(StrokeFontTest, EveryByteAdvancesSevenPixels) {
  // A, then a code without a glyph, then B: B's cell begins 14 pixels on.
  const char* texts[] = {"A B", "A&B", "A\xB0" "B", "A\x7F" "B", "A\x01" "B", "A\x98" "B"};
  const Pixels a = glyph('A'), b = glyph('B');
  Pixels want = shifted(a, 10, 40);
  want.merge(shifted(b, 24, 40));
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    platform().display().clear();
    font->writestring(kInk, text, 10, 40);
    EXPECT_EQ(inked(), want);
    EXPECT_EQ(font->len(text), 21);
  }
}

TEST_F(StrokeFontTest, WideGlyphsSideBySideTouchButDoNotOverlap) {
  const Pixels sha = glyph(UINT8(CP1251("Ш")[0]));
  platform().display().clear();
  font->writestring(kInk, CP1251("ШШ"), 30, 50);
  Pixels want = shifted(sha, 30, 50);
  want.merge(shifted(sha, 37, 50));
  EXPECT_EQ(inked(), want);
  // Column 6 of the first and column 0 of the second are neighbours, both inked on row 7.
  EXPECT_TRUE(want.contains({36, 57}) && want.contains({37, 57}));
  EXPECT_EQ(shifted(sha, 30, 50).size() * 2, want.size());
}

TEST_F(StrokeFontTest, PenArithmeticWrapsAtSixteenBits) {
  // The first cell lies at x = -6 (off the screen but for nothing), the second wraps to 1.
  const Pixels b = glyph('B');
  platform().display().clear();
  font->writestring(kInk, "AB", 65530, 60);
  EXPECT_EQ(inked(), shifted(b, 1, 60));
  EXPECT_EQ(font->len(std::string(9363, 'x').c_str()), UINT16(9363 * 7));
}

TEST_F(StrokeFontTest, TextKeepsTheFillAroundItsStrokes) {
  const Pixels q = shifted(glyph('Q'), 2, 1);
  platform().display().clear();
  font->SetBkColor(0x00006000);
  font->FillRect(0, 0, 20, 12);
  font->writestring(kInk, "Q", 2, 1);
  const Display& d = platform().display();
  for (int y = 0; y <= 12; ++y)
    for (int x = 0; x <= 20; ++x)
      EXPECT_EQ(d.pixel(x, y), q.contains({x, y}) ? kInkRgb : kPaperRgb) << x << "," << y;
}

}  // namespace
}  // namespace phone::testing
