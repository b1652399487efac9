// The golden-screen helper: a committed reference, a missing one and a mismatch.
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include <phone/uis.h>

#include "canvas.h"
#include "golden.h"
#include "platform.h"

namespace phone::testing {
namespace {

namespace fs = std::filesystem;

bool updating() {
  const char* value = std::getenv("PHONE_UPDATE_GOLDEN");
  return value && std::string(value) == "1";
}

// A window outline with its body filled inside it, as the dialogs draw it.
void drawFrameAndFill() {
  platform().reset();
  const UIS_DIALOG_T canvas = platform().canvas().create();
  UIS_CanvasSetForegroundColor(COLOR_T{0x00, 0x00, 0x60, 0});
  UIS_CanvasSetFillColor(COLOR_T{0xFF, 0xFF, 0x00, 0});
  UIS_CanvasDrawRect(GRAPHIC_POINT(27, 71), GRAPHIC_POINT(148, 137), 0, canvas);
  UIS_CanvasFillRect(GRAPHIC_POINT(28, 83), GRAPHIC_POINT(147, 136), canvas);
  UIS_CanvasDrawLine(GRAPHIC_POINT(0, 0), GRAPHIC_POINT(175, 219), canvas);
}

TEST(Golden, FrameAndFillMatchesItsReference) {
  drawFrameAndFill();
  expectGolden("drawing/frame_and_fill");
}

TEST(Golden, MismatchNamesTheFirstPixelAndWritesActualAndDiff) {
  if (updating()) GTEST_SKIP() << "references are being rewritten";
  drawFrameAndFill();
  platform().display().set(30, 90, Rgb{1, 2, 3});
  platform().display().set(31, 90, Rgb{1, 2, 3});
  const fs::path out = fs::path(PHONE_TEST_OUTPUT_DIR) / "golden" / "drawing";
  fs::remove(out / "frame_and_fill.actual.png");
  fs::remove(out / "frame_and_fill.diff.png");

  const ::testing::AssertionResult result = matchesGolden("drawing/frame_and_fill");
  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find("in 2 pixels"), std::string::npos) << message;
  EXPECT_NE(message.find("(30, 90) is #010203, expected #ffff00"), std::string::npos) << message;
  EXPECT_TRUE(fs::exists(out / "frame_and_fill.actual.png"));
  EXPECT_TRUE(fs::exists(out / "frame_and_fill.diff.png"));
}

TEST(Golden, FiveSixFiveComparisonIgnoresTheDroppedLowBits) {
  if (updating()) GTEST_SKIP() << "references are being rewritten";
  drawFrameAndFill();
  platform().display().set(30, 90, Rgb{0xFF, 0xFE, 0x07});  // the same yellow in 5-6-5
  EXPECT_FALSE(matchesGolden("drawing/frame_and_fill"));
  EXPECT_TRUE(matchesGolden("drawing/frame_and_fill", true));
}

TEST(Golden, MissingReferenceFailsAndSaysHowToMakeIt) {
  if (updating()) GTEST_SKIP() << "references are being rewritten";
  platform().reset();
  const ::testing::AssertionResult result = matchesGolden("drawing/no_such_screen");
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("PHONE_UPDATE_GOLDEN=1"), std::string::npos);
  EXPECT_FALSE(fs::exists(fs::path(PHONE_GOLDEN_DIR) / "drawing" / "no_such_screen.png"));
}

}  // namespace
}  // namespace phone::testing
