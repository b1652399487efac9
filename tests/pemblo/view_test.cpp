// The list view: selection moves, the display mapping, the rows of a page, the scroll marker,
// the position text, and buf and bf after every paint.
#include <gtest/gtest.h>

#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

struct Move {
  uint8_t len;
  uint32_t from;
  uint32_t to;
};

void runMoves(const char* routine, std::initializer_list<Move> moves) {
  Pemblo p;
  for (const auto& m : moves) {
    p.var<UINT8>("len") = m.len;
    p.select(m.from);
    p.call(routine);
    EXPECT_EQ(p.selected(), m.to) << routine << " from " << m.from << " of " << int(m.len);
    EXPECT_GE(p.set(), 1);
    EXPECT_LE(p.set(), 12);
  }
}

// Characters drawn by the platform's blitter: (x, y, count).
struct Chars {
  int64_t x, y, count;
};

std::vector<Chars> drawnChars(Pemblo& p) {
  std::vector<Chars> out;
  for (const auto& c : p.platform().trace().calls())
    if (c.name == "AhiDrawChar") out.push_back({c.args[1], c.args[2], c.args[3]});
  return out;
}

// Height of the scroll marker of the last paint (FillRect(172, 16, 2, h) as one span).
std::optional<int64_t> markerHeight(Pemblo& p) {
  std::optional<int64_t> h;
  for (const auto& c : p.platform().trace().calls())
    if (c.name == "AhiDrawSpans" && c.args.size() >= 5 && c.args[1] == 172 && c.args[2] == 16)
      h = c.args[4] - 16 - 1;
  return h;
}

}  // namespace

TEST(View, SelectNextWrapsAroundToRecordOne) {
  runMoves("select_next", {
      {1, 1, 1},   {3, 1, 2},     {3, 3, 1},     {12, 11, 12},  {12, 12, 1},
      {13, 12, 13}, {13, 13, 1},  {24, 24, 1},   {25, 12, 13},  {25, 24, 25},
      {25, 25, 1}, {255, 252, 253}, {255, 254, 255}, {255, 255, 1},
  });
}

TEST(View, SelectPrevWrapsAroundToTheLastRecord) {
  runMoves("select_prev", {
      {1, 1, 1},   {3, 1, 3},     {3, 2, 1},     {12, 1, 12},  {13, 13, 12},
      {24, 1, 24}, {25, 1, 25},   {25, 13, 12},  {255, 1, 255}, {255, 253, 252},
  });
  Pemblo p;
  p.var<UINT8>("len") = 25;
  p.call("select_prev");
  EXPECT_EQ(p.pg(), 2);  // page 2, line 1
  EXPECT_EQ(p.set(), 1);
  p.var<UINT8>("len") = 12;
  p.select(1);
  p.call("select_prev");
  EXPECT_EQ(p.pg(), 0);
  EXPECT_EQ(p.set(), 12);
}

TEST(View, MapsEveryByteToADrawableCharacter) {
  Pemblo p;
  auto new_win = p.var<UINT8(UINT8)>("new_win");
  for (int b = 0; b < 256; ++b) {
    int expected = b;
    if (b == 0xA8) expected = 'E';
    else if (b == 0xB8) expected = 'e';
    else if (b == 0x96) expected = '-';
    else if (b == 0xAB || b == 0xBB) expected = '"';
    else if (b < 0x20 || (b >= 0x7F && b < 0xC0)) expected = ' ';
    EXPECT_EQ(new_win(UINT8(b)), expected) << "byte " << b;
  }
}

TEST(View, ScrollMarkerGrowsWithThePositionAndNeverGoesNegative) {
  struct Case {
    int records;
    uint32_t selected;
    int64_t height;
  } cases[] = {
      {1, 1, 188}, {3, 1, 57}, {3, 3, 188}, {20, 3, 21},
      {24, 1, 0},   // 196 / 24 = 8: exactly 0
      {25, 1, 0},   // 196 / 25 = 7: below 0, kept at one row
      {255, 1, 0}, {255, 255, 188}, {300, 255, 188},
  };
  for (const auto& c : cases) {
    Pemblo p(join(numbered(c.records)));
    p.select(c.selected);
    p.platform().trace().clear();
    p.repaint();
    EXPECT_EQ(markerHeight(p), c.height) << c.selected << " of " << c.records;
  }
}

TEST(View, PositionTextShowsRecordCountAndPercent) {
  struct Case {
    int records;
    uint32_t selected;
    std::vector<std::string> numbers;  // S, len, percent as the platform formats them
    int64_t chars;
  } cases[] = {
      {20, 15, {"u_ltou(15, 1)", "u_ltou(20, 1)", "u_ltou(75, 1)"}, 11},  // 15/20 - 75%
      {3, 1, {"u_ltou(1, 1)", "u_ltou(3, 1)", "u_ltou(33, 1)"}, 9},      // 1/3 - 33%
      {300, 255, {"u_ltou(255, 1)", "u_ltou(255, 1)", "u_ltou(100, 1)"}, 14},
  };
  for (const auto& c : cases) {
    Pemblo p(join(numbered(c.records)));
    p.select(c.selected);
    p.platform().trace().clear();
    p.repaint();
    EXPECT_EQ(p.platform().trace().lines({"u_ltou"}), c.numbers);
    bool found = false;
    for (const auto& d : drawnChars(p))
      if (d.x == 40 && d.y == 209) found = d.count == c.chars;
    EXPECT_TRUE(found) << c.selected << " of " << c.records;
  }
}

TEST(View, DrawsAPageOfTwelveRowsAndThirtyTwoColumns) {
  auto records = numbered(13);
  records[0] = std::string(40, 'W');
  Pemblo p(join(records));
  p.platform().trace().clear();
  p.repaint();
  std::map<int64_t, int> perRow;  // list rows only: the header and the soft-key line lie outside
  for (const auto& d : drawnChars(p))
    if (d.y >= 16 && d.y < 208) perRow[d.y] += 1;
  ASSERT_EQ(perRow.size(), 12u);
  EXPECT_EQ(perRow.begin()->first, 16);
  EXPECT_EQ(perRow.rbegin()->first, 16 + 16 * 11);
  EXPECT_EQ(perRow[16], 32);  // 40 characters, the first 32 shown
  EXPECT_EQ(p.buf(), records[0]);  // all 40 in buf

  p.select(13);
  p.platform().trace().clear();
  p.repaint();
  perRow.clear();
  for (const auto& d : drawnChars(p))
    if (d.y >= 16 && d.y < 208) perRow[d.y] += 1;
  EXPECT_EQ(perRow.size(), 1u);  // record 13 alone, in row 0 of page 1
  EXPECT_EQ(p.buf(), "R13");
}

TEST(View, EveryPaintLeavesTheSelectedRecordInBufAndBf) {
  Pemblo p(join({"first", "", std::string("\xC0\xFF\xA8", 3), std::string(60, 'x')}));
  EXPECT_EQ(p.buf(), "first");
  EXPECT_EQ(p.bf(), u"first");
  p.key(kDown);
  EXPECT_EQ(p.buf(), "");
  EXPECT_EQ(p.bf(), u"");
  p.key(kDown);
  EXPECT_EQ(p.buf(), "\xC0\xFF\xA8");
  EXPECT_EQ(p.bf(), u"\u00C0\u00FF\u00A8");  // one unit per byte, not Unicode
  p.key(kDown);
  EXPECT_EQ(p.buf(), std::string(50, 'x'));  // 50 bytes and the terminator, no more
  EXPECT_EQ(p.bf(), std::u16string(50, u'x'));
  EXPECT_EQ(p.var<UINT8>("buf_whole"), 0);
}
