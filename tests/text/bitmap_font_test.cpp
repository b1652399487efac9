// The bitmap font: the glyphs drawn as pixels and their bytes, the rules every glyph keeps
// (rows, columns, joining box lines), and WriteString's calls and edge cases.
#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ahi.h"
#include "ui/cp1251.h"
#include "font_images.h"
#include "memory.h"
#include "platform.h"

namespace phone::testing {
namespace {

using Pixels = std::set<std::pair<int, int>>;
using Art = std::array<const char*, 12>;

constexpr uint16_t kWhite = 0xFFFF;

Pixels pixelsOf(const Art& rows) {
  Pixels out;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 5; ++x)
      if (rows[y][x] == '#') out.insert({x, y});
  return out;
}

// A glyph's pixels straight from its 8 bytes: pixel (c, r) is bit 5r + c, MSB first.
Pixels pixelsOf(const UINT8* bits) {
  Pixels out;
  for (int n = 0; n < 60; ++n)
    if (bits[n / 8] & (0x80 >> (n % 8))) out.insert({n % 5, n / 5});
  return out;
}

Pixels shifted(const Pixels& p, int dx, int dy) {
  Pixels out;
  for (auto [x, y] : p) out.insert({x + dx, y + dy});
  return out;
}

class BitmapFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    platform().trace().enable(true);
    font.emplace();
    font->TextColorRGB(255, 255, 255);
  }
  void TearDown() override {
    EXPECT_EQ(platform().memory().liveBlocks(), 0u) << "a descriptor block was not given back";
    font.reset();
    platform().reset();
  }

  // Pixels of the drawing surface in `colour`, relative to (x0, y0).
  static Pixels surface(uint16_t colour = kWhite, int x0 = 0, int y0 = 0) {
    Pixels out;
    for (int y = 0; y < Ahi::kHeight; ++y)
      for (int x = 0; x < Ahi::kWidth; ++x)
        if (platform().ahi().drawingPixel(x, y) == colour) out.insert({x - x0, y - y0});
    return out;
  }
  // The character drawn alone on a fresh surface.
  Pixels drawn(UINT8 code) {
    font.reset();
    platform().reset();
    font.emplace();
    font->TextColorRGB(255, 255, 255);
    font->WriteChar(40, 50, code);
    return surface(kWhite, 40, 50);
  }
  const UINT8* bitsOf(int code) const { return font->font_bits + 8 * (code - 0x20); }

  std::optional<BitmapFontImage> font;
};

TEST_F(BitmapFontTest, GlyphsAsPixelsAndBytes) {
  struct Case {
    UINT8 code;
    Art art;
    std::array<UINT8, 8> bytes;
  };
  const Case cases[] = {
      {0x41, {".....", ".##..", "#..#.", "#..#.", "#..#.", "####.", "#..#.", "#..#.", "#..#.",
              "#..#.", ".....", "....."},
       {0x03, 0x25, 0x29, 0x7A, 0x52, 0x94, 0x80, 0x00}},
      {0x67, {".....", ".....", ".....", ".....", ".###.", "#..#.", "#..#.", "#..#.", "#..#.",
              ".###.", "...#.", ".##.."},
       {0x00, 0x00, 0x07, 0x4A, 0x52, 0x93, 0x84, 0xC0}},
      {0x30, {".....", ".###.", "#..#.", "#..#.", "#..#.", "#..#.", "#..#.", "#..#.", "#..#.",
              "###..", ".....", "....."},
       {0x03, 0xA5, 0x29, 0x4A, 0x52, 0x97, 0x00, 0x00}},
      {0xC4, {".....", "..##.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#.", ".#.#.",
              "#####", "#...#", "....."},
       {0x01, 0x94, 0xA5, 0x29, 0x4A, 0x57, 0xE2, 0x00}},
      {0xE9, {".....", ".....", "..#..", ".#...", "#..#.", "#..#.", "#.##.", "##.#.", "#..#.",
              "#..#.", ".....", "....."},
       {0x00, 0x08, 0x89, 0x4A, 0xDA, 0x94, 0x80, 0x00}},
      {0xA9, {".....", ".....", ".....", ".....", ".####", ".#...", ".#.##", ".#.#.", ".#.#.",
              ".#.#.", ".#.#.", ".#.#."},
       {0x00, 0x00, 0x07, 0xA1, 0x6A, 0x52, 0x94, 0xA0}},
      {0x90, {".....", "#.#.#", ".....", ".....", ".#.#.", ".....", ".....", "#.#.#", ".....",
              ".....", ".#.#.", "....."},
       {0x05, 0x40, 0x05, 0x00, 0x15, 0x00, 0x14, 0x00}},
      {0x7C, {"..#..", "..#..", "..#..", "..#..", ".....", "..#..", "..#..", "..#..", "..#..",
              "..#..", ".....", "....."},
       {0x21, 0x08, 0x40, 0x10, 0x84, 0x21, 0x00, 0x00}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code 0x" << std::hex << int(c.code));
    EXPECT_EQ(std::vector<UINT8>(bitsOf(c.code), bitsOf(c.code) + 8),
              std::vector<UINT8>(c.bytes.begin(), c.bytes.end()));
    EXPECT_EQ(drawn(c.code), pixelsOf(c.art));
  }
}

TEST_F(BitmapFontTest, EveryGlyphDrawsItsBitsAndEndsInFourZeroBits) {
  for (int code = 0x20; code < 0x100; ++code) {
    SCOPED_TRACE(::testing::Message() << "code 0x" << std::hex << code);
    EXPECT_EQ(bitsOf(code)[7] & 0x0F, 0);
    platform().ahi().reset();
    font->AHG_Init();
    font->TextColorRGB(255, 255, 255);
    font->WriteChar(0, 0, UINT8(code));
    EXPECT_EQ(surface(), pixelsOf(bitsOf(code)));
  }
}

// The letters keep the font's lines: capitals and digits on rows 1-9, small letters with
// their body on rows 4-9, ascenders and descenders only where the letter has them, and
// column 4 left as the gap except in the wide letters.
TEST_F(BitmapFontTest, LettersKeepTheirRowsAndColumns) {
  const std::string wide = std::string("#&*+TY_") + CP1251("ДЖТФЦШЩЪЮджтфцшщю").text();
  const std::string descending = std::string("gjpqyQ_,;$") + CP1251("руфцщЦЩДд").text();
  const std::string ascending = "bdfhkl";                               // up to row 1
  const std::string half = std::string("tij") + CP1251("бй").text();  // up to row 2
  std::string capitals, smalls;
  for (int c = '0'; c <= '9'; ++c) capitals += char(c);
  for (int c = 'A'; c <= 'Z'; ++c) capitals += char(c), smalls += char(c + 32);
  for (int c = 0xC0; c <= 0xDF; ++c) capitals += char(c), smalls += char(c + 32);

  auto check = [&](char code, int top) {
    SCOPED_TRACE(::testing::Message() << "code 0x" << std::hex << int(UINT8(code)));
    const Pixels p = pixelsOf(bitsOf(UINT8(code)));
    const bool isWide = wide.find(code) != std::string::npos;
    const bool descends = descending.find(code) != std::string::npos;
    int minRow = 12, maxRow = -1;
    for (auto [x, y] : p) {
      minRow = std::min(minRow, y), maxRow = std::max(maxRow, y);
      if (!isWide) EXPECT_LT(x, 4) << "ink in the gap column, row " << y;
    }
    if (UINT8(code) != 0xC9) EXPECT_EQ(minRow, top);  // Й's mark alone uses row 0
    if (descends) EXPECT_GE(maxRow, 10);
    else EXPECT_EQ(maxRow, 9);
  };
  for (char c : capitals) check(c, 1);
  for (char c : smalls) {
    const bool up = ascending.find(c) != std::string::npos;
    const bool halfUp = half.find(c) != std::string::npos;
    check(c, up ? 1 : halfUp ? 2 : 4);
  }
}

TEST_F(BitmapFontTest, BlankCodesAndTheFullHeightBar) {
  EXPECT_TRUE(pixelsOf(bitsOf(0x20)).empty());
  for (int code = 0x80; code < 0x90; ++code) EXPECT_TRUE(pixelsOf(bitsOf(code)).empty()) << code;
  Pixels bar;
  for (int y = 0; y < 12; ++y) bar.insert({2, y});
  EXPECT_EQ(pixelsOf(bitsOf(0x7F)), bar);
  // Besides box glyphs, row 0 holds only the quotes, the bars and Й's mark.
  for (int code = 0x21; code < 0x100; ++code) {
    if (code >= 0x90 && code < 0xC0) continue;
    const std::string row0 = std::string("\"'`|\x7F") + CP1251("Й").text();
    const bool mayUseRow0 = row0.find(char(code)) != std::string::npos;
    if (mayUseRow0) continue;
    for (auto [x, y] : pixelsOf(bitsOf(code))) EXPECT_NE(y, 0) << "code " << std::hex << code;
  }
}

// Box glyphs in code page 866 order, with the lines that leave each side of the cell:
// up, down, left, right; 0 none, 1 single, 2 double.
struct Box {
  const char* name;
  int up, down, left, right;
};
constexpr Box kBoxes[] = {
    {"│", 1, 1, 0, 0}, {"┤", 1, 1, 1, 0}, {"╡", 1, 1, 2, 0}, {"╢", 2, 2, 1, 0},
    {"╖", 0, 2, 1, 0}, {"╕", 0, 1, 2, 0}, {"╣", 2, 2, 2, 0}, {"║", 2, 2, 0, 0},
    {"╗", 0, 2, 2, 0}, {"╝", 2, 0, 2, 0}, {"╜", 2, 0, 1, 0}, {"╛", 1, 0, 2, 0},
    {"┐", 0, 1, 1, 0}, {"└", 1, 0, 0, 1}, {"┴", 1, 0, 1, 1}, {"┬", 0, 1, 1, 1},
    {"├", 1, 1, 0, 1}, {"─", 0, 0, 1, 1}, {"┼", 1, 1, 1, 1}, {"╞", 1, 1, 0, 2},
    {"╟", 2, 2, 0, 1}, {"╚", 2, 0, 0, 2}, {"╔", 0, 2, 0, 2}, {"╩", 2, 0, 2, 2},
    {"╦", 0, 2, 2, 2}, {"╠", 2, 2, 0, 2}, {"═", 0, 0, 2, 2}, {"╬", 2, 2, 2, 2},
    {"╧", 1, 0, 2, 2}, {"╨", 2, 0, 1, 1}, {"╤", 0, 1, 2, 2}, {"╥", 0, 2, 1, 1},
    {"╙", 2, 0, 0, 1}, {"╘", 1, 0, 0, 2}, {"╒", 0, 1, 0, 2}, {"╓", 0, 2, 0, 1},
    {"╫", 2, 2, 1, 1}, {"╪", 1, 1, 2, 2}, {"┘", 1, 0, 1, 0}, {"┌", 0, 1, 0, 1},
};

TEST_F(BitmapFontTest, BoxLinesLeaveTheCellWhereTheirNeighboursJoin) {
  const std::set<int> along[] = {{}, {2}, {1, 3}};   // columns on the top and bottom rows
  const std::set<int> across[] = {{}, {5}, {4, 6}};  // rows on the left and right columns
  for (int i = 0; i < 40; ++i) {
    const Box& b = kBoxes[i];
    SCOPED_TRACE(b.name);
    std::set<int> top, bottom, left, right;
    for (auto [x, y] : pixelsOf(bitsOf(0x93 + i))) {
      if (y == 0) top.insert(x);
      if (y == 11) bottom.insert(x);
      if (x == 0) left.insert(y);
      if (x == 4) right.insert(y);
    }
    EXPECT_EQ(top, along[b.up]);
    EXPECT_EQ(bottom, along[b.down]);
    EXPECT_EQ(left, across[b.left]);
    EXPECT_EQ(right, across[b.right]);
  }
}

TEST_F(BitmapFontTest, ShadesRiseInDensityAndBlocksFillTheirPart) {
  const size_t light = pixelsOf(bitsOf(0x90)).size(), medium = pixelsOf(bitsOf(0x91)).size(),
               dark = pixelsOf(bitsOf(0x92)).size();
  EXPECT_LT(light, medium);
  EXPECT_LT(medium, dark);
  EXPECT_LT(dark, 60u);
  auto area = [](int x1, int y1, int x2, int y2) {
    Pixels out;
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) out.insert({x, y});
    return out;
  };
  EXPECT_EQ(pixelsOf(bitsOf(0xBB)), area(0, 0, 4, 11));  // full block
  EXPECT_EQ(pixelsOf(bitsOf(0xBC)), area(0, 6, 4, 11));  // lower half
  EXPECT_EQ(pixelsOf(bitsOf(0xBD)), area(0, 0, 2, 11));  // left half
  EXPECT_EQ(pixelsOf(bitsOf(0xBE)), area(2, 0, 4, 11));  // right half
  EXPECT_EQ(pixelsOf(bitsOf(0xBF)), area(0, 0, 4, 5));   // upper half
}

TEST_F(BitmapFontTest, DoubleFrameOfNineCellsCloses) {
  font->WriteString(0, 0, "\xA9\xAD\x9B");
  font->WriteString(0, 12, "\x9A \x9A");
  font->WriteString(0, 24, "\xA8\xAD\x9C");
  Pixels want;
  for (int x = 1; x <= 13; ++x) want.insert({x, 4}), want.insert({x, 30});
  for (int y = 4; y <= 30; ++y) want.insert({1, y}), want.insert({13, y});
  for (int x = 3; x <= 11; ++x) want.insert({x, 6}), want.insert({x, 28});
  for (int y = 6; y <= 28; ++y) want.insert({3, y}), want.insert({11, y});
  EXPECT_EQ(surface(), want);
}

TEST_F(BitmapFontTest, WindowsLettersWithoutGlyphsShowAsBoxGlyphs) {
  // Ё, ё and the guillemets are not mapped here: they show as ╚, ╪, ╦ and █.
  const std::pair<UINT8, int> cases[] = {{0xA8, 21}, {0xB8, 37}, {0xAB, 24}};
  for (auto [code, box] : cases) {
    SCOPED_TRACE(kBoxes[box].name);
    EXPECT_EQ(drawn(code), pixelsOf(bitsOf(0x93 + box)));
  }
  Pixels block;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 5; ++x) block.insert({x, y});
  EXPECT_EQ(drawn(0xBB), block);
}

TEST_F(BitmapFontTest, WriteStringCallSequence) {
  platform().trace().clear();
  font->WriteString(12, 34, "Ab");
  const auto n = std::to_string(2 * sizeof(AHICHAR_T));
  const auto ctx = std::to_string(font->context()), draw = std::to_string(font->drawingSurface());
  EXPECT_EQ(platform().trace().lines(),
            (std::vector<std::string>{"suAllocMem(" + n + ", 1)",
                                      "AhiDrawSurfDstSet(" + ctx + ", " + draw + ", 0)",
                                      "AhiDrawChar(" + ctx + ", 12, 34, 2, 0)", "suFreeMem(1)"}));
  Pixels want = shifted(pixelsOf(bitsOf('A')), 12, 34);
  want.merge(shifted(pixelsOf(bitsOf('b')), 17, 34));
  EXPECT_EQ(surface(), want);
}

TEST_F(BitmapFontTest, EmptyTextCallsTheBlitterWithNoCharacters) {
  platform().trace().clear();
  font->WriteString(0, 0, "");
  const auto calls = platform().trace().lines({"AhiDrawChar"});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].ends_with(", 0, 0, 0, 0)")) << calls[0];
  EXPECT_TRUE(surface().empty());
}

TEST_F(BitmapFontTest, BlankAndControlBytesTakeTheirCellAndDrawNothing) {
  const Pixels a = pixelsOf(bitsOf('A')), b = pixelsOf(bitsOf('B'));
  Pixels want = shifted(a, 20, 40);
  want.merge(shifted(b, 30, 40));
  for (const char* text : {"A B", "A\x80" "B", "A\x8F" "B", "A\x01" "B", "A\x1F" "B"}) {
    SCOPED_TRACE(text);
    platform().ahi().reset();
    font->AHG_Init();
    font->TextColorRGB(255, 255, 255);
    font->WriteString(20, 40, text);
    EXPECT_EQ(surface(), want);
  }
}

TEST_F(BitmapFontTest, TextOverAFilledRectangleKeepsTheFill) {
  font->SetColorRGB(0, 0, 0x60);
  font->FillRect(10, 10, 20, 14);
  font->WriteString(12, 12, "W");
  const Pixels w = shifted(pixelsOf(bitsOf('W')), 12, 12);
  for (int y = 10; y <= 24; ++y)
    for (int x = 10; x <= 30; ++x)
      EXPECT_EQ(platform().ahi().drawingPixel(x, y), w.contains({x, y}) ? kWhite : 0x000C)
          << x << "," << y;
}

TEST_F(BitmapFontTest, WriteCharKeepsTheLowEightBitsOfThePen) {
  font->WriteChar(260, 300, 'H');
  EXPECT_EQ(surface(), shifted(pixelsOf(bitsOf('H')), 4, 44));
}

TEST_F(BitmapFontTest, TextColourIsPacked565AndLeavesTheShapeColour) {
  font->SetColorRGB(250, 250, 0);
  const struct { UINT8 r, g, b; uint16_t want; } cases[] = {
      {0x55, 0x55, 0x5E, 0x52AB}, {250, 250, 0, 0xFFC0}, {255, 255, 255, 0xFFFF}, {0, 0, 0x60, 0x000C}};
  for (const auto& c : cases) {
    font->TextColorRGB(c.r, c.g, c.b);
    EXPECT_EQ(platform().ahi().context(font->context())->foreground, c.want);
    EXPECT_EQ(platform().ahi().context(font->context())->brush, 0xFFC0);
  }
}

TEST_F(BitmapFontTest, WithoutMemoryNothingIsDrawn) {
  platform().memory().failAll(true);
  platform().trace().clear();
  font->WriteString(0, 0, "ABC");
  platform().memory().failAll(false);
  EXPECT_TRUE(platform().trace().lines({"AhiDrawChar"}).empty());
  EXPECT_TRUE(surface().empty());
}

TEST_F(BitmapFontTest, LongTextsShowTheirFirst255Characters) {
  platform().trace().clear();
  font->WriteString(0, 0, std::string(300, 'A').c_str());
  EXPECT_EQ(platform().trace().lines({"suAllocMem"}),
            std::vector<std::string>{"suAllocMem(" + std::to_string(255 * sizeof(AHICHAR_T)) + ", 1)"});
  const auto draw = platform().trace().lines({"AhiDrawChar"});
  ASSERT_EQ(draw.size(), 1u);
  EXPECT_TRUE(draw[0].ends_with(", 0, 0, 255, 0)")) << draw[0];
}

}  // namespace
}  // namespace phone::testing
