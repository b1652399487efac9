// Canvas calls: the calculator's drawing, straight into the display.
#include <gtest/gtest.h>

#include <phone/uis.h>

#include "canvas.h"
#include "pixels.h"

namespace phone::testing {
namespace {

constexpr COLOR_T kInk{0x55, 0x44, 0x66, 0};
constexpr COLOR_T kPaint{0xFF, 0xFF, 0x00, 0};
constexpr Rgb kInkRgb{0x55, 0x44, 0x66};
constexpr Rgb kPaintRgb{0xFF, 0xFF, 0x00};

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    canvas = platform().canvas().create();
    UIS_CanvasSetForegroundColor(kInk);
    UIS_CanvasSetFillColor(kPaint);
  }
  static GRAPHIC_POINT_T pt(int x, int y) { return GRAPHIC_POINT(INT16(x), INT16(y)); }
  void line(int x1, int y1, int x2, int y2) { UIS_CanvasDrawLine(pt(x1, y1), pt(x2, y2), canvas); }
  void rect(int x1, int y1, int x2, int y2) { UIS_CanvasDrawRect(pt(x1, y1), pt(x2, y2), 0, canvas); }
  void fill(int x1, int y1, int x2, int y2) { UIS_CanvasFillRect(pt(x1, y1), pt(x2, y2), canvas); }

  UIS_DIALOG_T canvas = 0;
};

TEST_F(CanvasTest, StraightLinesCoverExactlyTheirEndsAndBetween) {
  struct Case { int x1, y1, x2, y2; Pixels want; };
  const Case cases[] = {
      {10, 20, 10, 20, box(10, 20, 10, 20)},   // ends coincide: one pixel
      {5, 7, 12, 7, box(5, 7, 12, 7)},         // horizontal
      {12, 7, 5, 7, box(5, 7, 12, 7)},         // the other way round
      {3, 40, 3, 30, box(3, 30, 3, 40)},       // vertical, upwards
      {-20, 219, 300, 219, box(0, 219, 175, 219)},  // cut at both screen edges
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2);
    platform().display().clear();
    line(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(pixelsOf(kInkRgb), c.want);
  }
}

TEST_F(CanvasTest, SlopedLineIsConnectedAndIncludesBothEnds) {
  line(2, 3, 30, 13);
  const Pixels got = pixelsOf(kInkRgb);
  EXPECT_TRUE(got.contains({2, 3}));
  EXPECT_TRUE(got.contains({30, 13}));
  // One pixel per column of the longer axis, each next to the one before.
  ASSERT_EQ(got.size(), 29u);
  std::pair<int, int> prev{1, 3};
  for (auto p : got) {
    EXPECT_EQ(p.first, prev.first + 1);
    EXPECT_LE(std::abs(p.second - prev.second), 1);
    prev = p;
  }
}

TEST_F(CanvasTest, OutlineAndFillRunCornerToCornerInclusive) {
  rect(10, 20, 18, 28);  // a 9 x 9 square
  EXPECT_EQ(pixelsOf(kInkRgb), outline(10, 20, 18, 28));

  platform().display().clear();
  fill(30, 40, 30, 40);  // 0 x 0: one pixel
  EXPECT_EQ(pixelsOf(kPaintRgb), box(30, 40, 30, 40));

  platform().display().clear();
  fill(0, 0, 176, 208);  // column 176 lies outside the screen
  EXPECT_EQ(pixelsOf(kPaintRgb), box(0, 0, 175, 208));
}

TEST_F(CanvasTest, FrameAndFillMeetWithoutGapOrOverlap) {
  // The window body of 120 x 54 at (28, 83) inside its outline.
  rect(27, 71, 27 + 121, 71 + 66);
  fill(28, 83, 28 + 119, 83 + 53);
  const Pixels fillPixels = pixelsOf(kPaintRgb);
  EXPECT_EQ(fillPixels, box(28, 83, 147, 136));
  // The outline keeps all of its bottom and side pixels around the fill.
  const Pixels ink = pixelsOf(kInkRgb);
  for (int x = 27; x <= 148; ++x) EXPECT_TRUE(ink.contains({x, 137})) << x;
  for (int y = 71; y <= 137; ++y) {
    EXPECT_TRUE(ink.contains({27, y})) << y;
    EXPECT_TRUE(ink.contains({148, y})) << y;
  }
}

TEST_F(CanvasTest, PointsAreSignedAndOffScreenPixelsDropped) {
  fill(-5, -5, 2, 1);
  EXPECT_EQ(pixelsOf(kPaintRgb), box(0, 0, 2, 1));
  platform().display().clear();
  rect(170, 215, 180, 225);
  EXPECT_EQ(pixelsOf(kInkRgb), Pixels({{170, 215}, {171, 215}, {172, 215}, {173, 215},
                                       {174, 215}, {175, 215}, {170, 216}, {170, 217},
                                       {170, 218}, {170, 219}}));
}

TEST_F(CanvasTest, ForegroundAndFillColoursAreKeptApart) {
  const COLOR_T blue{0x00, 0x00, 0x60, 0};
  UIS_CanvasSetForegroundColor(blue);
  fill(0, 0, 3, 3);
  line(10, 10, 12, 10);
  EXPECT_EQ(pixelsOf(kPaintRgb), box(0, 0, 3, 3));
  EXPECT_EQ(pixelsOf(Rgb{0, 0, 0x60}), box(10, 10, 12, 10));
}

TEST_F(CanvasTest, InvalidCanvasDrawsNothing) {
  const UIS_DIALOG_T gone = platform().canvas().create();
  EXPECT_TRUE(platform().canvas().destroy(gone));
  EXPECT_FALSE(platform().canvas().destroy(gone));
  for (UIS_DIALOG_T bad : {UIS_DIALOG_T(0), gone, UIS_DIALOG_T(12345)}) {
    UIS_CanvasDrawLine(pt(0, 0), pt(50, 50), bad);
    UIS_CanvasDrawRect(pt(0, 0), pt(50, 50), 0, bad);
    UIS_CanvasFillRect(pt(0, 0), pt(50, 50), bad);
  }
  EXPECT_TRUE(pixelsOf(Rgb{}).size() == size_t(Display::kWidth * Display::kHeight));
  // A new canvas never takes a deleted one's id.
  EXPECT_NE(platform().canvas().create(), gone);
}

TEST_F(CanvasTest, CallsAreTracedWithTheirNumbers) {
  platform().trace().enable(true);
  platform().trace().clear();
  UIS_CanvasSetForegroundColor(COLOR_T{0x78, 0x78, 0xFF, 0});
  line(-3, 4, 5, 6);
  rect(1, 2, 3, 4);
  fill(5, 6, 7, 8);
  const std::string c = std::to_string(canvas);
  EXPECT_EQ(platform().trace().lines(),
            (std::vector<std::string>{"UIS_CanvasSetForegroundColor(120, 120, 255, 0)",
                                      "UIS_CanvasDrawLine(-3, 4, 5, 6, " + c + ")",
                                      "UIS_CanvasDrawRect(1, 2, 3, 4, 0, " + c + ")",
                                      "UIS_CanvasFillRect(5, 6, 7, 8, " + c + ")"}));
}

}  // namespace
}  // namespace phone::testing
