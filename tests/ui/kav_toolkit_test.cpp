// The calculator's toolkit over the host canvas: primitives, window, pointer, soft-key line
// with clock and menu, and dialogs, checked on the display and in the call trace.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <ui/kav_toolkit.h>

#include "golden.h"
#include "platform/host/canvas.h"
#include "platform/host/clock.h"
#include "screen.h"

namespace phone::testing::ui {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kOlive{170, 170, 34};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kFrame{120, 120, 255};
constexpr Rgb kBody{0x20, 0, 0};
constexpr Rgb kButtonLit{0, 0, 221};
constexpr Rgb kButtonPlain{51, 51, 51};
constexpr Rgb kGrey{136, 136, 136};
constexpr Rgb kMenuInside{0, 0, 96};
constexpr Rgb kMenuBar{85, 68, 102};

constexpr UINT32 canvasColour(Rgb c) { return UINT32(c.r) << 24 | UINT32(c.g) << 16 | UINT32(c.b) << 8; }
Rgb strip(int i) { return Rgb(uint8_t(60 - 5 * i), uint8_t(60 - 5 * i), uint8_t(105 - 2 * i)); }
Rgb lit(int i) { return Rgb(uint8_t(60 + 5 * i), uint8_t(60 + 5 * i), uint8_t(105 + 2 * i)); }

class KavToolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    platform().trace().enable(true);
    dialog = platform().canvas().create();
  }

  // The pixels of `colour` that `draw` leaves on an empty screen: the reference that a
  // widget's text must match, drawn by the font on its own at the expected place.
  static Pixels alone(Rgb colour, const std::function<void()>& draw) {
    Display saved = platform().display();
    platform().display().clear();
    platform().trace().enable(false);  // the reference is not part of the widget's calls
    draw();
    platform().trace().enable(true);
    Pixels out = pixelsOf(colour);
    platform().display() = saved;
    return out;
  }
  static Pixels text(Rgb colour, const char* s, int x, int y) {
    return alone(colour, [&] { writestring(canvasColour(colour), s, UINT16(x), UINT16(y)); });
  }

  // The pointer's seven lines with its tip at (x, y), as canvas calls.
  std::vector<std::string> pointerLines(int x, int y) const {
    static constexpr int kPoints[7][2] = {{0, 0}, {10, 5}, {7, 7}, {11, 11}, {7, 13}, {5, 8}, {2, 10}};
    std::vector<std::string> out;
    for (int i = 0; i < 7; ++i) {
      const int j = (i + 1) % 7;
      out.push_back("UIS_CanvasDrawLine(" + std::to_string(x + kPoints[i][0]) + ", " +
                    std::to_string(y + kPoints[i][1]) + ", " + std::to_string(x + kPoints[j][0]) +
                    ", " + std::to_string(y + kPoints[j][1]) + ", " + std::to_string(dialog) + ")");
    }
    return out;
  }
  // The last seven lines drawn.
  static std::vector<std::string> lastLines() {
    auto lines = platform().trace().lines({"UIS_CanvasDrawLine"});
    return {lines.end() - 7, lines.end()};
  }

  std::string d() const { return std::to_string(dialog); }
};

// ---- Primitives -------------------------------------------------------------------------

TEST_F(KavToolkit, PrimitivesMakeOneCanvasCallWithSixteenBitCorners) {
  DrawLine(1, 2, 3, 4);
  DrawRect(27, 71, 121, 66);
  FillRect(28, 83, 119, 53);
  DrawRect(32760, -5, 10, 10);  // the far corner wraps in 16 bits
  FillRect(-32768, 0, -1, 0);
  SetColor(0x55446600);
  SetBkColor(0x7878FF00);
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{
                             "UIS_CanvasDrawLine(1, 2, 3, 4, " + d() + ")",
                             "UIS_CanvasDrawRect(27, 71, 148, 137, 0, " + d() + ")",
                             "UIS_CanvasFillRect(28, 83, 147, 136, " + d() + ")",
                             "UIS_CanvasDrawRect(32760, -5, -32766, 5, 0, " + d() + ")",
                             "UIS_CanvasFillRect(-32768, 0, 32767, 0, " + d() + ")",
                             "UIS_CanvasSetForegroundColor(85, 68, 102, 0)",
                             "UIS_CanvasSetFillColor(120, 120, 255, 0)",
                         }));
}

TEST_F(KavToolkit, PrimitivesFollowThePixelRules) {
  SetBkColor(0xFF000000);
  FillRect(10, 20, 0, 0);
  EXPECT_EQ(pixelsOf({255, 0, 0}), box(10, 20, 10, 20));

  SetBkColor(0x00FF0000);
  FillRect(0, 0, 176, 208);  // column 176 lies off the screen
  EXPECT_EQ(pixelsOf({0, 255, 0}), box(0, 0, 175, 208));

  // A frame and the fill inside it meet without gap or overlap.
  platform().display().clear();
  SetColor(0x7878FF00);
  DrawRect(27, 71, 121, 66);
  SetBkColor(0x20000000);
  FillRect(28, 72, 119, 64);
  EXPECT_EQ(pixelsOf(kFrame), outline(27, 71, 148, 137));
  EXPECT_EQ(pixelsOf(kBody), box(28, 72, 147, 136));

  platform().display().clear();
  SetColor(0xFFFFFF00);
  DrawLine(50, 60, 50, 60);
  EXPECT_EQ(pixelsOf(kWhite), box(50, 60, 50, 60));
}

// ---- Window frame and pointer -----------------------------------------------------------

TEST_F(KavToolkit, WindowCallsInOrder) {
  writeWin(120, 54, "");
  std::vector<std::string> expected;
  for (int i = 0; i < 12; ++i) {
    expected.push_back("UIS_CanvasSetForegroundColor(85, 85, " + std::to_string(85 + 9 * i) + ", 0)");
    expected.push_back("UIS_CanvasDrawLine(28, " + std::to_string(72 + i) + ", 147, " +
                       std::to_string(72 + i) + ", " + d() + ")");
  }
  expected.push_back("UIS_CanvasSetForegroundColor(0, 255, 255, 0)");  // the empty title
  expected.push_back("UIS_CanvasSetForegroundColor(120, 120, 255, 0)");
  expected.push_back("UIS_CanvasDrawRect(27, 71, 148, 137, 0, " + d() + ")");
  expected.push_back("UIS_CanvasDrawRect(137, 73, 145, 81, 0, " + d() + ")");
  expected.push_back("UIS_CanvasDrawLine(139, 75, 143, 79, " + d() + ")");
  expected.push_back("UIS_CanvasDrawLine(143, 75, 139, 79, " + d() + ")");
  expected.push_back("UIS_CanvasSetFillColor(32, 0, 0, 0)");
  expected.push_back("UIS_CanvasFillRect(28, 83, 147, 136, " + d() + ")");
  EXPECT_EQ(takeCalls({"UIS_CanvasSetForegroundColor", "UIS_CanvasSetFillColor",
                       "UIS_CanvasDrawLine", "UIS_CanvasDrawRect", "UIS_CanvasFillRect"}),
            expected);
}

TEST_F(KavToolkit, WindowPixels) {
  writeWin(120, 54, "Quit...");
  // Visible bar rows 72..82, blue 85 to 175; row 83 belongs to the body.
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(platform().display().pixel(120, 72 + i), Rgb(0x55, 0x55, uint8_t(85 + 9 * i))) << i;
  EXPECT_EQ(pixelsOf(kBody), box(28, 83, 147, 136));
  Pixels frame = join(outline(27, 71, 148, 137), outline(137, 73, 145, 81));
  for (int k = 0; k <= 4; ++k) frame = join(frame, {{139 + k, 75 + k}, {143 - k, 75 + k}});
  EXPECT_EQ(pixelsOf(kFrame), frame);
  EXPECT_EQ(pixelsOf(kCyan), text(kCyan, "Quit...", 29, 73));
}

TEST_F(KavToolkit, WindowIsCentredWithTheRemainderDropped) {
  struct Case {
    INT16 w, h;
    int x0, y0;
  };
  for (Case c : {Case{120, 54, 28, 83}, Case{166, 100, 5, 60}, Case{156, 100, 10, 60},
                 Case{150, 70, 13, 75}, Case{121, 54, 27, 83}}) {
    platform().trace().clear();
    writeWin(c.w, c.h, "");
    auto rects = argsOf("UIS_CanvasDrawRect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (std::vector<int64_t>{c.x0 - 1, c.y0 - 12, c.x0 + c.w, c.y0 + c.h, 0, dialog}))
        << c.w << " x " << c.h;
  }
}

TEST_F(KavToolkit, WindowTitleIsNotClipped) {
  writeWin(120, 54, "A title far longer than its bar");
  // The frame drawn after the title covers it where they cross.
  EXPECT_EQ(pixelsOf(kCyan),
            minus(text(kCyan, "A title far longer than its bar", 29, 73), pixelsOf(kFrame)));
  EXPECT_GT(boundsOf(pixelsOf(kCyan)).x2, 148);
}

TEST_F(KavToolkit, PointerIsAClosedOutlineOfSevenLines) {
  mCursor(118, 122);
  EXPECT_EQ(takeCalls({"UIS_CanvasSetForegroundColor", "UIS_CanvasDrawLine"}),
            (std::vector<std::string>{
                "UIS_CanvasSetForegroundColor(255, 255, 255, 0)",
                "UIS_CanvasDrawLine(118, 122, 128, 127, " + d() + ")",
                "UIS_CanvasDrawLine(128, 127, 125, 129, " + d() + ")",
                "UIS_CanvasDrawLine(125, 129, 129, 133, " + d() + ")",
                "UIS_CanvasDrawLine(129, 133, 125, 135, " + d() + ")",
                "UIS_CanvasDrawLine(125, 135, 123, 130, " + d() + ")",
                "UIS_CanvasDrawLine(123, 130, 120, 132, " + d() + ")",
                "UIS_CanvasDrawLine(120, 132, 118, 122, " + d() + ")",
            }));
  EXPECT_EQ(boundsOf(pixelsOf(kWhite)), (Bounds{118, 122, 129, 135}));
}

// ---- Soft-key line ------------------------------------------------------------------------

TEST_F(KavToolkit, SoftKeyLineShowsTheClock) {
  struct Case {
    TimeOfDay time;
    const char* text;
    int x;
  };
  for (Case c : {Case{{9, 5, 7}, "9:05:07", 122}, Case{{14, 30, 0}, "14:30:00", 119},
                 Case{{0, 0, 0}, "0:00:00", 122}, Case{{23, 59, 59}, "23:59:59", 119}}) {
    platform().reset();
    platform().trace().enable(true);
    dialog = platform().canvas().create();
    platform().clock().setTimeOfDay(c.time);
    downsoftline("Menu", "Consider|About|Exit", 0, 0);
    EXPECT_EQ(pixelsOf(kYellow), text(kYellow, c.text, c.x, 210)) << c.text;
    // The clock is read once, before anything is drawn.
    auto calls = platform().trace().lines();
    EXPECT_EQ(calls.front(), "DL_ClkGetTime(1)");
    EXPECT_EQ(argsOf("DL_ClkGetTime").size(), 1u);
  }
}

TEST_F(KavToolkit, SoftKeyLineClosed) {
  platform().clock().setTimeOfDay({9, 5, 7});
  downsoftline("Menu", "Consider|About|Exit", 0, 0);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(platform().display().pixel(0, 208 + i), strip(i)) << i;
    EXPECT_EQ(platform().display().pixel(175, 208 + i), strip(i)) << i;
  }
  EXPECT_EQ(pixelsOf(kOlive), text(kOlive, "Menu", 4, 210));
  EXPECT_TRUE(pixelsOf(kMenuInside).empty());
  EXPECT_TRUE(box(0, 0, 175, 207) == pixelsOf(kBlack));  // nothing above the line
}

TEST_F(KavToolkit, MenuOpen) {
  platform().clock().setTimeOfDay({9, 5, 7});
  downsoftline("Menu", "Consider|About|Exit", 1, 1);
  // The strip under the label ("Menu", 28 pixels) is lit up to x 36, below the menu's frame.
  for (int i = 2; i < 12; ++i) {
    EXPECT_EQ(platform().display().pixel(36, 208 + i), lit(i)) << i;
    EXPECT_EQ(platform().display().pixel(37, 208 + i), strip(i)) << i;
  }
  for (int i = 0; i < 12; ++i) EXPECT_EQ(platform().display().pixel(100, 208 + i), strip(i)) << i;

  EXPECT_EQ(pixelsOf(kFrame), outline(2, 171, 62, 209));
  const Pixels inside = box(3, 172, 61, 208), bar = box(3, 184, 61, 195);
  EXPECT_TRUE(contains(inside, pixelsOf(kMenuInside)));
  EXPECT_TRUE(contains(bar, pixelsOf(kMenuBar)));

  Pixels white = alone(kWhite, [] {
    writestring(0xFFFFFF00, "About", 4, 186);
    writestring(0xFFFFFF00, "Menu", 4, 210);
  });
  Pixels olive = alone(kOlive, [] {
    writestring(0xAAAA2200, "Consider", 4, 174);
    writestring(0xAAAA2200, "Exit", 4, 198);
  });
  EXPECT_EQ(pixelsOf(kWhite), white);
  EXPECT_EQ(pixelsOf(kOlive), olive);
  // Inside the frame every pixel is the inside, the bar or an item's stroke.
  EXPECT_EQ(join(join(pixelsOf(kMenuInside), pixelsOf(kMenuBar)), within(join(white, olive), inside)),
            inside);
  EXPECT_EQ(join(pixelsOf(kMenuBar), within(white, bar)), bar);
}

TEST_F(KavToolkit, MenuShapes) {
  struct Case {
    const char* menu;
    UINT16 sel;
    int frameTop, barTop;
    std::vector<std::pair<const char*, int>> lit, plain;  // item texts and their rows
  };
  const Case cases[] = {
      {"Solo", 0, 195, 196, {{"Solo", 198}}, {}},
      // Two separators in a row: an empty item that keeps its row.
      {"A||C", 2, 171, 196, {{"C", 198}}, {{"A", 174}}},
      {"A||C", 1, 171, 184, {}, {{"A", 174}, {"C", 198}}},
  };
  for (const Case& c : cases) {
    platform().display().clear();
    downsoftline("", c.menu, 1, c.sel);
    EXPECT_EQ(pixelsOf(kFrame), outline(2, c.frameTop, 62, 209)) << c.menu;
    EXPECT_EQ(boundsOf(pixelsOf(kMenuBar)), (Bounds{3, c.barTop, 61, c.barTop + 11})) << c.menu;
    EXPECT_EQ(pixelsOf(kWhite), alone(kWhite, [&] {
                for (auto [t, y] : c.lit) writestring(0xFFFFFF00, t, 4, UINT16(y));
              })) << c.menu;
    EXPECT_EQ(pixelsOf(kOlive), alone(kOlive, [&] {
                for (auto [t, y] : c.plain) writestring(0xAAAA2200, t, 4, UINT16(y));
              })) << c.menu;
  }
}

TEST(KavCharCol, CountsTheCharacter) {
  EXPECT_EQ(charCol("Consider|About|Exit", 0x7C), 2);
  EXPECT_EQ(charCol("", 0x7C), 0);
  EXPECT_EQ(charCol("||", 0x7C), 2);
  EXPECT_EQ(charCol("\xFF|\xFF", 0xFF), 2);  // bytes compared unsigned
}

// ---- Dialogs ------------------------------------------------------------------------------

TEST_F(KavToolkit, ExitConfirmation) {
  for (UINT8 sel : {0, 1}) {
    platform().display().clear();
    platform().trace().clear();
    writeExitMenu(28, 83, sel);
    EXPECT_EQ(pixelsOf(kCyan), text(kCyan, "Quit...", 29, 73));
    // The pointer, drawn last, lies over parts of the buttons.
    const Pixels pointer = pixelsOf(kWhite);
    EXPECT_TRUE(contains(join(pixelsOf(kFrame), pointer),
                         join(outline(53, 117, 88, 129), outline(95, 117, 123, 129))));
    const Rgb yes = sel ? kButtonLit : kButtonPlain, no = sel ? kButtonPlain : kButtonLit;
    const Rgb yesText = sel ? kYellow : kGrey, noText = sel ? kGrey : kYellow;
    const Pixels yesInside = box(54, 118, 87, 128), noInside = box(96, 118, 122, 128);
    EXPECT_EQ(within(pixelsOf(yes), yesInside), minus(minus(yesInside, pixelsOf(yesText)), pointer));
    EXPECT_EQ(within(pixelsOf(no), noInside), minus(minus(noInside, pixelsOf(noText)), pointer));
    EXPECT_EQ(within(pixelsOf(yesText), yesInside), minus(text(yesText, "Yes", 60, 119), pointer));
    EXPECT_EQ(within(pixelsOf(noText), noInside), minus(text(noText, "No", 102, 119), pointer));
    // Message in white, and the pointer on the highlighted button.
    EXPECT_EQ(lastLines(), pointerLines(sel ? 76 : 118, 122));
    EXPECT_EQ(pixelsOf(kWhite), alone(kWhite, [&] {
                writestring(0xFFFFFF00, "Program will be", 32, 85);
                writestring(0xFFFFFF00, "closed, Are you", 32, 95);
                writestring(0xFFFFFF00, "sure?", 32, 105);
                mCursor(sel ? 76 : 118, 122);
              }));
    expectGolden(sel ? "ui_kav_exit_yes" : "ui_kav_exit_no");
  }
}

TEST_F(KavToolkit, SingleButton) {
  for (UINT8 active : {1, 0}) {
    platform().display().clear();
    wOK(active, "Accept", 0, 80);
    const Rgb inside = active ? kButtonLit : kButtonPlain, ink = active ? kYellow : kGrey;
    EXPECT_EQ(pixelsOf(kFrame), outline(60, 139, 116, 151));
    EXPECT_EQ(join(pixelsOf(inside), pixelsOf(ink)), box(61, 140, 115, 150));
    EXPECT_EQ(pixelsOf(ink), text(ink, "Accept", 67, 141));
  }
}

TEST_F(KavToolkit, ButtonsIgnoreTheirXArgument) {
  auto frameOf = [](const std::function<void()>& draw) {
    platform().display().clear();
    draw();
    return platform().display().frame();
  };
  const auto ok = frameOf([] { wOK(1, "Accept", 67, 80); });
  const auto pair = frameOf([] { wYESNO(1, "Yes", "No", -72, 58); });
  for (INT16 x : {INT16(-32768), INT16(0), INT16(1000)}) {
    EXPECT_EQ(frameOf([x] { wOK(1, "Accept", x, 80); }), ok) << x;
    EXPECT_EQ(frameOf([x] { wYESNO(1, "Yes", "No", x, 58); }), pair) << x;
  }
}

TEST_F(KavToolkit, Icon) {
  wrIcon(11, 61);
  EXPECT_EQ(boundsOf(pixelsOf({200, 100, 200})), (Bounds{14, 67, 41, 89}));
  EXPECT_TRUE(contains(pixelsOf({200, 0, 0}), box(27, 76, 28, 79)));  // the stem
  auto calls = takeCalls({"UIS_CanvasSetForegroundColor", "UIS_CanvasSetFillColor", "UIS_CanvasFillRect"});
  EXPECT_EQ(calls, (std::vector<std::string>{
                       "UIS_CanvasSetForegroundColor(200, 100, 200, 0)",
                       "UIS_CanvasSetForegroundColor(200, 0, 0, 0)",
                       "UIS_CanvasSetFillColor(200, 0, 0, 0)",
                       "UIS_CanvasFillRect(27, 76, 28, 79, " + d() + ")",
                   }));
}

TEST_F(KavToolkit, AboutBox) {
  writeAbout(5, 60);
  EXPECT_TRUE(contains(join(pixelsOf(kFrame), pixelsOf(kWhite)), outline(60, 139, 116, 151)));
  EXPECT_EQ(lastLines(), pointerLines(113, 145));
  EXPECT_EQ(pixelsOf({255, 0, 0}), text({255, 0, 0}, "-==-==-==-==-==-==-==-", 10, 106));
  EXPECT_EQ(pixelsOf({170, 170, 170}), text({170, 170, 170}, "ver 0.12b (31/01/2009)", 7, 125));
  EXPECT_EQ(pixelsOf(kCyan), text(kCyan, "About the programm...", 6, 50));
  expectGolden("ui_kav_about");
}

TEST_F(KavToolkit, SoftKeyLineGoldens) {
  platform().clock().setTimeOfDay({9, 5, 7});
  downsoftline("Menu", "Consider|About|Exit", 0, 0);
  expectGolden("ui_kav_softline");
  downsoftline("Menu", "Consider|About|Exit", 1, 1);
  expectGolden("ui_kav_menu");
}

}  // namespace
}  // namespace phone::testing::ui
