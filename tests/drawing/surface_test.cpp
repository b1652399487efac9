// Surface calls: the list editor's drawing into the 5-6-5 drawing surface and its copy to the
// display.
#include <chrono>

#include <gtest/gtest.h>

#include <phone/ahi.h>

#include "ahi.h"
#include "pixels.h"

namespace phone::testing {
namespace {

constexpr uint16_t kRed = 0xF800, kBlue = 0x001F, kGrey = 0x52AB;

class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    ctx = DAL_GetDeviceContext(0);
    sDraw = DAL_GetDrawingSurface(0);
    AhiDispSurfGet(ctx, &sDisp);
    AhiDrawSurfDstSet(ctx, sDraw, 0);
    AhiDrawSurfSrcSet(ctx, sDraw, 0);
    AhiDrawClipDstSet(ctx, nullptr);
    AhiDrawClipSrcSet(ctx, nullptr);
  }

  // Draws with the brush, as the list editor's primitives do.
  void lines(std::vector<AHIPOINT_T> points, uint16_t colour = kRed) {
    AhiDrawBrushFgColorSet(ctx, colour);
    AhiDrawRopSet(ctx, AHIROP_PATCOPY);
    AhiDrawLines(ctx, points.data(), UINT32(points.size()), 0);
    AhiDrawRopSet(ctx, AHIROP_SRCCOPY);
  }
  void span(AHIRECT_T r, uint16_t colour = kRed) {
    AhiDrawBrushFgColorSet(ctx, colour);
    AhiDrawBrushSet(ctx, nullptr, nullptr, 0, 2);
    AhiDrawRopSet(ctx, AHIROP_PATCOPY);
    AhiDrawSpans(ctx, &r, 1, 0);
    AhiDrawRopSet(ctx, AHIROP_SRCCOPY);
  }
  // The copy of the whole drawing surface onto the display.
  void flush() {
    AhiDrawSurfSrcSet(ctx, sDraw, 0);
    AhiDrawSurfDstSet(ctx, sDisp, 0);
    AhiDrawRopSet(ctx, AHIROP_SRCCOPY);
    AHIRECT_T all{0, 0, 176, 220};
    AHIPOINT_T origin{0, 0};
    AhiDrawBitBlt(ctx, &all, &origin);
    AhiDrawSurfDstSet(ctx, sDraw, 0);
  }
  // Pixels of the drawing surface that have `colour`.
  static Pixels surfacePixels(uint16_t colour) {
    Pixels out;
    for (int y = 0; y < Ahi::kHeight; ++y)
      for (int x = 0; x < Ahi::kWidth; ++x)
        if (platform().ahi().drawingPixel(x, y) == colour) out.insert({x, y});
    return out;
  }

  AHIDEVCONTEXT_T ctx = 0;
  AHISURFACE_T sDraw = 0, sDisp = 0;
};

TEST_F(SurfaceTest, HandlesAreDistinctNonZeroIds) {
  EXPECT_NE(ctx, 0u);
  EXPECT_NE(sDraw, 0u);
  EXPECT_NE(sDisp, 0u);
  EXPECT_NE(sDraw, sDisp);
  EXPECT_EQ(DAL_GetDeviceContext(0), ctx);
}

TEST_F(SurfaceTest, PolylineCoversBothEndsOfEverySegment) {
  lines({{10, 20}, {10, 20}});
  EXPECT_EQ(surfacePixels(kRed), box(10, 20, 10, 20));

  platform().reset();
  SetUp();
  // The five points of an outline: corner to corner inclusive, 9 x 9.
  lines({{10, 20}, {18, 20}, {18, 28}, {10, 28}, {10, 20}});
  EXPECT_EQ(surfacePixels(kRed), outline(10, 20, 18, 28));
}

TEST_F(SurfaceTest, SpansAreOnePastTheEnd) {
  span({30, 40, 31, 41});  // a fill of 0 x 0: one pixel
  EXPECT_EQ(surfacePixels(kRed), box(30, 40, 30, 40));
  span({5, 5, 5, 9}, kBlue);  // empty
  EXPECT_TRUE(surfacePixels(kBlue).empty());
  span({0, 0, 177, 209}, kBlue);  // column 176 lies outside the screen
  EXPECT_EQ(surfacePixels(kBlue), box(0, 0, 175, 208));
}

TEST_F(SurfaceTest, FrameAndFillMeetWithoutGapOrOverlap) {
  lines({{27, 71}, {148, 71}, {148, 137}, {27, 137}, {27, 71}}, kBlue);
  span({28, 83, 148, 137});
  EXPECT_EQ(surfacePixels(kRed), box(28, 83, 147, 136));
  const Pixels frame = surfacePixels(kBlue);
  EXPECT_EQ(frame, outline(27, 71, 148, 137));
}

TEST_F(SurfaceTest, DrawingStaysOffScreenUntilCopied) {
  span({0, 0, 176, 220}, kGrey);
  EXPECT_EQ(pixelsOf(Rgb{}).size(), size_t(176 * 220));
  flush();
  EXPECT_EQ(pixelsOf(widen565(kGrey)).size(), size_t(176 * 220));
}

TEST_F(SurfaceTest, CopyWidensFiveSixFiveByBitReplication) {
  struct Case { uint16_t colour; Rgb want; };
  const Case cases[] = {
      {0x0000, {0, 0, 0}},          {0xFFFF, {255, 255, 255}},
      {0xF800, {255, 0, 0}},        {0x07E0, {0, 255, 0}},
      {0x001F, {0, 0, 255}},        {0x52AB, {0x52, 0x55, 0x5A}},
      {0x0841, {0x08, 0x08, 0x08}}, {0xFFC0, {255, 0xFB, 0}},
      {0x000C, {0, 0, 0x63}},
  };
  for (int i = 0; i < int(std::size(cases)); ++i) span({i, 0, i + 1, 1}, cases[i].colour);
  flush();
  for (int i = 0; i < int(std::size(cases)); ++i)
    EXPECT_EQ(platform().display().pixel(i, 0), cases[i].want) << std::hex << cases[i].colour;
}

TEST_F(SurfaceTest, RasterOperations) {
  span({0, 0, 4, 1}, kGrey);
  AhiDrawBrushFgColorSet(ctx, kRed);
  AHIRECT_T r{0, 0, 1, 1};
  struct Case { uint32_t rop; uint16_t want; };
  // Brush into the destination, destination kept, destination inverted, brush XOR destination.
  const Case cases[] = {{0xF0F0, kRed}, {0xAAAA, kGrey}, {0x5555, uint16_t(~kGrey)},
                        {0x5A5A, uint16_t(kRed ^ kGrey)}};
  for (int i = 0; i < int(std::size(cases)); ++i) {
    r = {i, 0, i + 1, 1};
    AhiDrawRopSet(ctx, cases[i].rop);
    AhiDrawSpans(ctx, &r, 1, 0);
    EXPECT_EQ(platform().ahi().drawingPixel(i, 0), cases[i].want) << std::hex << cases[i].rop;
  }
}

TEST_F(SurfaceTest, BitBltCopiesTheSourceFromThePointOntoTheRectangle) {
  span({0, 0, 4, 3}, kBlue);
  span({1, 1, 2, 2}, kRed);
  AhiDrawSurfSrcSet(ctx, sDraw, 0);
  AhiDrawSurfDstSet(ctx, sDisp, 0);
  AhiDrawRopSet(ctx, AHIROP_SRCCOPY);
  AHIRECT_T to{100, 50, 104, 53};
  AHIPOINT_T from{0, 0};
  EXPECT_EQ(AhiDrawBitBlt(ctx, &to, &from), 0u);
  EXPECT_EQ(pixelsOf(widen565(kRed)), box(101, 51, 101, 51));
  EXPECT_EQ(pixelsOf(widen565(kBlue)).size(), 11u);
  EXPECT_EQ(pixelsOf(Rgb{}).size(), size_t(176 * 220 - 12));

  // With the brush as the operation the rectangle is filled, whatever the source.
  AhiDrawBrushFgColorSet(ctx, 0xFFFF);
  AhiDrawRopSet(ctx, AHIROP_PATCOPY);
  to = {0, 200, 176, 220};
  AhiDrawBitBlt(ctx, &to, &from);
  EXPECT_EQ(pixelsOf(Rgb{255, 255, 255}), box(0, 200, 175, 219));
}

TEST_F(SurfaceTest, ClipRectanglesAreHonoured) {
  AHIRECT_T clip{10, 10, 20, 20};
  AhiDrawClipDstSet(ctx, &clip);
  span({0, 0, 176, 220});
  lines({{0, 15}, {175, 15}}, kBlue);
  EXPECT_EQ(surfacePixels(kRed).size(), 100u - 10u);
  EXPECT_EQ(surfacePixels(kBlue), box(10, 15, 19, 15));

  // A source clip limits what is copied; none again copies everything.
  AhiDrawClipDstSet(ctx, nullptr);
  AHIRECT_T srcClip{0, 0, 15, 176};
  AhiDrawClipSrcSet(ctx, &srcClip);
  flush();
  EXPECT_EQ(pixelsOf(widen565(kRed)).size(), 5u * 10 - 5);
  AhiDrawClipSrcSet(ctx, nullptr);
  flush();
  EXPECT_EQ(pixelsOf(widen565(kRed)).size(), 90u);
}

TEST_F(SurfaceTest, CharactersPaintOnlyTheirOneBitsInTheTextColour) {
  // A (0x41) as the bit stream of 12 rows of 5 pixels, and a full block.
  static const UINT8 glyphA[8] = {0x03, 0x25, 0x29, 0x7A, 0x52, 0x94, 0x80, 0x00};
  static const UINT8 block[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0};
  const char* rowsA[12] = {".....", ".##..", "#..#.", "#..#.", "#..#.", "####.",
                           "#..#.", "#..#.", "#..#.", "#..#.", ".....", "....."};
  span({0, 0, 40, 20}, kGrey);   // text lies over what was drawn before
  AhiDrawBrushFgColorSet(ctx, kRed);
  AhiDrawFgColorSet(ctx, kBlue);  // text colour, apart from the brush
  AHICHAR_T text[3] = {{5, 0, 5, 12, glyphA}, {5, 0, 5, 12, block}, {5, 0, 5, 12, glyphA}};
  EXPECT_EQ(AhiDrawChar(ctx, AHIPOINT_T{3, 4}, text, 3, 0), 0u);

  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 5; ++c) {
      const uint16_t want = rowsA[r][c] == '#' ? kBlue : kGrey;
      EXPECT_EQ(platform().ahi().drawingPixel(3 + c, 4 + r), want) << c << "," << r;
      EXPECT_EQ(platform().ahi().drawingPixel(13 + c, 4 + r), want) << c << "," << r;
    }
  EXPECT_EQ(surfacePixels(kBlue).size(), 2 * 20u + 60u);
  for (auto [x, y] : box(8, 4, 12, 15)) EXPECT_TRUE(surfacePixels(kBlue).contains({x, y}));
  EXPECT_TRUE(surfacePixels(kRed).empty());

  // The brush still draws in its own colour.
  span({50, 50, 51, 51});
  EXPECT_EQ(surfacePixels(kRed), box(50, 50, 50, 50));

  // A count of 0 draws nothing.
  AhiDrawFgColorSet(ctx, 0xFFFF);
  AhiDrawChar(ctx, AHIPOINT_T{60, 60}, text, 0, 0);
  EXPECT_TRUE(surfacePixels(0xFFFF).empty());
}

TEST_F(SurfaceTest, ZeroOrUnknownHandlesDrawNothing) {
  AHIRECT_T r{0, 0, 176, 220};
  AHIPOINT_T p[2] = {{0, 0}, {100, 100}};
  for (AHIDEVCONTEXT_T bad : {AHIDEVCONTEXT_T(0), AHIDEVCONTEXT_T(77)}) {
    EXPECT_NE(AhiDrawRopSet(bad, AHIROP_PATCOPY), 0u);
    EXPECT_NE(AhiDrawSpans(bad, &r, 1, 0), 0u);
    EXPECT_NE(AhiDrawLines(bad, p, 2, 0), 0u);
    EXPECT_NE(AhiDrawBitBlt(bad, &r, p), 0u);
  }
  AhiDrawBrushFgColorSet(ctx, kRed);
  AhiDrawRopSet(ctx, AHIROP_PATCOPY);
  for (AHISURFACE_T bad : {AHISURFACE_T(0), AHISURFACE_T(99)}) {
    AhiDrawSurfDstSet(ctx, bad, 0);
    AhiDrawSpans(ctx, &r, 1, 0);
    AhiDrawLines(ctx, p, 2, 0);
  }
  AhiDrawSurfDstSet(ctx, sDisp, 0);
  AhiDrawSurfSrcSet(ctx, 0, 0);
  AhiDrawRopSet(ctx, AHIROP_SRCCOPY);
  EXPECT_NE(AhiDrawBitBlt(ctx, &r, p), 0u);
  EXPECT_TRUE(surfacePixels(kRed).empty());
  EXPECT_EQ(pixelsOf(Rgb{}).size(), size_t(176 * 220));
}

TEST_F(SurfaceTest, FarAwayLineEndsAreCheap) {
  const auto start = std::chrono::steady_clock::now();
  lines({{INT32_MIN, 5}, {INT32_MAX, 5}});
  EXPECT_EQ(surfacePixels(kRed), box(0, 5, 175, 5));
  lines({{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}}, kBlue);
  EXPECT_TRUE(surfacePixels(kBlue).contains({100, 100}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(SurfaceTest, CallsAreTracedWithTheirNumbers) {
  platform().trace().enable(true);
  platform().trace().clear();
  lines({{1, 2}, {3, 4}});
  AHIRECT_T clip{1, 2, 3, 4};
  AhiDrawClipDstSet(ctx, &clip);
  AhiDrawClipSrcSet(ctx, nullptr);
  const std::string c = std::to_string(ctx);
  EXPECT_EQ(platform().trace().lines(),
            (std::vector<std::string>{"AhiDrawBrushFgColorSet(" + c + ", 63488)",
                                      "AhiDrawRopSet(" + c + ", 61680)",
                                      "AhiDrawLines(" + c + ", 1, 2, 3, 4, 2, 0)",
                                      "AhiDrawRopSet(" + c + ", 52428)",
                                      "AhiDrawClipDstSet(" + c + ", 1, 2, 3, 4)",
                                      "AhiDrawClipSrcSet(" + c + ", 0)"}));
}

}  // namespace
}  // namespace phone::testing
