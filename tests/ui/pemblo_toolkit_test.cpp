// The list editor's toolkit over the host surface: primitives, window, pointer, soft-key line
// with header strip, position and menu, and the dialogs in both languages, checked on the
// display (after the copy to it) and in the call trace.
#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <ui/cp1251.h>
#include <ui/pemblo_toolkit.h>

#include "golden.h"
#include "platform/host/ahi.h"
#include "screen.h"

namespace phone::testing::ui {
namespace {

// Windows-1251 texts are made while compiling.
static_assert(CP1251("Ок").size == 2 && UINT8(CP1251("Ок").bytes[0]) == 0xCE &&
              UINT8(CP1251("Ок").bytes[1]) == 0xEA && CP1251("Ок").bytes[2] == 0);
static_assert(UINT8(CP1251("Ёё№").bytes[0]) == 0xA8 && UINT8(CP1251("Ёё№").bytes[1]) == 0xB8 &&
              UINT8(CP1251("Ёё№").bytes[2]) == 0xB9);
static_assert(UINT8(CP1251("Аая").bytes[0]) == 0xC0 && UINT8(CP1251("Аая").bytes[2]) == 0xFF);
static_assert(CP1251("Exit...").size == 7);

TEST(Cp1251, RunTimeTable) {
  EXPECT_EQ(cp1251::cp1251FromUnicode('A'), 'A');
  EXPECT_EQ(cp1251::cp1251FromUnicode(0x0416), 0xC6);  // Ж
  EXPECT_EQ(cp1251::cp1251FromUnicode(0x2014), 0x97);  // em dash
  EXPECT_EQ(cp1251::cp1251FromUnicode(0x045E), 0xA2);  // ў
  EXPECT_EQ(cp1251::cp1251FromUnicode(0x00E9), -1);    // é is not in the code page
  EXPECT_EQ(cp1251::cp1251FromUnicode(0x4E00), -1);
}

constexpr int64_t pack(int r, int g, int b) { return (r & 0xF8) << 8 | (g & 0xFC) << 3 | b >> 3; }
// A colour as the display shows it after the 5-6-5 surface.
constexpr Rgb shown(int r, int g, int b) { return widen565(uint16_t(pack(r, g, b))); }

constexpr Rgb kFrame = shown(120, 120, 255);
constexpr Rgb kMenuFrame = shown(120, 120, 250);
constexpr Rgb kBody = shown(0x20, 0, 0);
constexpr Rgb kButtonLit = shown(0, 0, 221);
constexpr Rgb kButtonPlain = shown(51, 51, 51);
constexpr Rgb kMenuInside = shown(0, 0, 96);
constexpr Rgb kMenuBar = shown(85, 68, 102);
constexpr Rgb kWhite = shown(255, 255, 255);
constexpr int64_t kYellow = pack(250, 250, 0), kGrey = pack(136, 136, 136),
                  kText = pack(250, 250, 250), kOlive = pack(170, 170, 34),
                  kGrey170 = pack(170, 170, 170);
Rgb strip(int i) { return shown(60 - 5 * i, 60 - 5 * i, 105 - 2 * i); }
Rgb lit(int i) { return shown(60 + 5 * i, 60 + 5 * i, 105 + 2 * i); }

const std::string kRu = "#ru";
const auto kMenuRu = CP1251("Изменить|Удалить|Добавить|Справка|Выйти");
const auto kMenuWordRu = CP1251("Меню");
const auto kOk = CP1251("Ок");
const auto kAcceptRu = CP1251("Принять");
const char* kMenuEn = "Edit line|Delete|Add line|About|Exit";

// One text call of the bitmap font: its colour (the last one set), pen and length.
struct TextCall {
  int64_t colour, x, y, count;
  friend bool operator==(const TextCall&, const TextCall&) = default;
  friend std::ostream& operator<<(std::ostream& out, const TextCall& t) {
    return out << "{0x" << std::hex << t.colour << std::dec << ", " << t.x << ", " << t.y << ", "
               << t.count << "}";
  }
};

std::vector<TextCall> textCalls() {
  std::vector<TextCall> out;
  int64_t colour = -1;
  for (const auto& call : platform().trace().calls()) {
    if (call.name == "AhiDrawFgColorSet") colour = call.args[1];
    if (call.name == "AhiDrawChar") out.push_back({colour, call.args[1], call.args[2], call.args[3]});
  }
  return out;
}

class PembloToolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    len = mx = pg = set = OnMenu = ExitMenu = About = Error = 0;
    setLanguage("en");
    dCtx = sDraw = sDisp = 0;
    AHG_Init();
    platform().trace().enable(true);
  }

  static void setLanguage(const std::string& code) {
    std::memset(LGID, 0, sizeof LGID);
    std::memcpy(LGID, code.data(), code.size());
  }

  // Clears the drawing surface and shows it.
  static void clear() {
    SetColorRGB(0, 0, 0);
    FillRect(0, 0, 175, 219);
    AHG_Flush();
  }
  // The pixels of `colour` that `draw` leaves on a cleared screen; the screen is cleared again.
  static Pixels alone(Rgb colour, const std::function<void()>& draw) {
    clear();
    draw();
    AHG_Flush();
    Pixels out = pixelsOf(colour);
    clear();
    platform().trace().clear();
    return out;
  }
  static Pixels text(Rgb colour, const char* s, int x, int y) {
    return alone(colour, [&] {
      TextColorRGB(colour.r, colour.g, colour.b);
      WriteString(UINT8(x), UINT8(y), s);
    });
  }

  std::vector<std::string> pointerLines(int x, int y) const {
    static constexpr int kPoints[7][2] = {{0, 0}, {10, 5}, {8, 8}, {11, 11}, {8, 14}, {5, 9}, {2, 10}};
    std::vector<std::string> out;
    for (int i = 0; i < 7; ++i) {
      const int j = (i + 1) % 7;
      out.push_back("AhiDrawLines(" + c() + ", " + std::to_string(x + kPoints[i][0]) + ", " +
                    std::to_string(y + kPoints[i][1]) + ", " + std::to_string(x + kPoints[j][0]) +
                    ", " + std::to_string(y + kPoints[j][1]) + ", 2, 0)");
    }
    return out;
  }
  static std::vector<std::string> lastLines() {
    auto lines = platform().trace().lines({"AhiDrawLines"});
    return {lines.end() - 7, lines.end()};
  }

  std::string c() const { return std::to_string(dCtx); }
  std::string draw() const { return std::to_string(sDraw); }
  std::string disp() const { return std::to_string(sDisp); }
};

// ---- Primitives -------------------------------------------------------------------------

TEST_F(PembloToolkit, SetUpAndCopyCalls) {
  platform().reset();
  platform().trace().enable(true);
  AHG_Init();
  EXPECT_EQ(dCtx, Ahi::kFirstContext);
  EXPECT_EQ(sDraw, Ahi::kDrawingSurface);
  EXPECT_EQ(sDisp, Ahi::kDisplaySurface);
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{
                             "DAL_GetDeviceContext(0)",
                             "DAL_GetDrawingSurface(0)",
                             "AhiDispSurfGet(" + c() + ", " + disp() + ")",
                             "AhiDrawSurfDstSet(" + c() + ", " + disp() + ", 0)",
                             "AhiDrawSurfSrcSet(" + c() + ", " + draw() + ", 0)",
                             "AhiDrawClipDstSet(" + c() + ", 0)",
                             "AhiDrawClipSrcSet(" + c() + ", 0)",
                         }));
  AHG_Flush();
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{
                             "AhiDrawSurfSrcSet(" + c() + ", " + draw() + ", 0)",
                             "AhiDrawSurfDstSet(" + c() + ", " + disp() + ", 0)",
                             "AhiDrawClipSrcSet(" + c() + ", 0)",
                             "AhiDrawClipDstSet(" + c() + ", 0)",
                             "AhiDrawRopSet(" + c() + ", 52428)",
                             "AhiDrawBitBlt(" + c() + ", 0, 0, 176, 220, 0, 0)",
                         }));
}

TEST_F(PembloToolkit, PrimitivesDrawWithTheBrushAndRestoreTheSourceCopy) {
  const std::string dst = "AhiDrawSurfDstSet(" + c() + ", " + draw() + ", 0)";
  const std::string brush = "AhiDrawRopSet(" + c() + ", 61680)";
  const std::string source = "AhiDrawRopSet(" + c() + ", 52428)";
  DrawLine(1, 2, 3, 4);
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{
                             dst, brush, "AhiDrawLines(" + c() + ", 1, 2, 3, 4, 2, 0)", source}));
  DrawRect(65530, 10, 10, 5);  // the far corner is formed in 32 bits
  EXPECT_EQ(takeCalls(),
            (std::vector<std::string>{
                dst, brush,
                "AhiDrawLines(" + c() + ", 65530, 10, 65540, 10, 65540, 15, 65530, 15, 65530, 10, 5, 0)",
                source}));
  FillRect(28, 83, 119, 53);
  EXPECT_EQ(takeCalls(), (std::vector<std::string>{
                             dst, "AhiDrawBrushSet(" + c() + ", 0, 0, 0, 2)", brush,
                             "AhiDrawSpans(" + c() + ", 28, 83, 148, 137, 1, 0)", source}));
  FillRect(65535, 65535, 65535, 0);
  EXPECT_EQ(argsOf("AhiDrawSpans").at(0),
            (std::vector<int64_t>{dCtx, 65535, 65535, 131071, 65536, 1, 0}));
}

TEST_F(PembloToolkit, ShapeColourIsPackedFiveSixFive) {
  struct Case {
    UINT8 r, g, b;
    int64_t packed;
  };
  for (Case k : {Case{0x55, 0x55, 0x5E, 0x52AB}, Case{250, 250, 0, 0xFFC0},
                 Case{255, 255, 255, 0xFFFF}, Case{0, 0, 0x60, 0x000C}, Case{7, 3, 7, 0}}) {
    SetColorRGB(k.r, k.g, k.b);
    EXPECT_EQ(takeCalls(), (std::vector<std::string>{"AhiDrawBrushFgColorSet(" + c() + ", " +
                                                     std::to_string(k.packed) + ")"}));
  }
}

TEST_F(PembloToolkit, PrimitivesFollowThePixelRules) {
  const Rgb red = shown(255, 0, 0), green = shown(0, 255, 0);
  SetColorRGB(255, 0, 0);
  FillRect(10, 20, 0, 0);
  AHG_Flush();
  EXPECT_EQ(pixelsOf(red), box(10, 20, 10, 20));

  SetColorRGB(0, 255, 0);
  FillRect(0, 0, 176, 208);
  AHG_Flush();
  EXPECT_EQ(pixelsOf(green), box(0, 0, 175, 208));

  clear();
  SetColorRGB(120, 120, 255);
  DrawRect(27, 71, 121, 66);
  SetColorRGB(0x20, 0, 0);
  FillRect(28, 72, 119, 64);
  SetColorRGB(255, 255, 255);
  DrawLine(5, 6, 5, 6);
  AHG_Flush();
  EXPECT_EQ(pixelsOf(kFrame), outline(27, 71, 148, 137));
  EXPECT_EQ(pixelsOf(kBody), box(28, 72, 147, 136));
  EXPECT_EQ(pixelsOf(kWhite), box(5, 6, 5, 6));
}

TEST_F(PembloToolkit, DottedFrame) {
  SetColorRGB(255, 255, 255);
  myDrawRect(1, 30, 10, 6);
  AHG_Flush();
  Pixels expected;
  for (int x : {3, 5, 7, 9})
    expected = join(expected, {{x, 30}, {x, 31}, {x, 36}, {x, 37}});
  for (int y : {31, 33, 35}) expected = join(expected, {{1, y}, {2, y}, {11, y}, {12, y}});
  EXPECT_EQ(pixelsOf(kWhite), expected);

  // The list's selection frame: dashes at columns 3, 5, ..., 167 and on seven rows.
  clear();
  SetColorRGB(255, 255, 255);
  myDrawRect(1, 14, 168, 15);
  AHG_Flush();
  const Pixels white = pixelsOf(kWhite);
  EXPECT_EQ(boundsOf(white), (Bounds{1, 14, 170, 30}));
  EXPECT_EQ(within(white, box(0, 14, 175, 14)).size(), 83u);  // columns 3..167, odd
  EXPECT_EQ(within(white, box(1, 0, 1, 219)).size(), 7u);
}

// ---- Window frame and pointer -----------------------------------------------------------

TEST_F(PembloToolkit, WindowPixels) {
  writeWin(120, 54, "Exit...");
  AHG_Flush();
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(platform().display().pixel(120, 72 + i), shown(0x55, 0x55, 85 + 9 * i)) << i;
  EXPECT_EQ(pixelsOf(kBody), box(28, 83, 147, 136));
  Pixels frame = join(outline(27, 71, 148, 137), outline(137, 73, 145, 81));
  for (int k = 0; k <= 4; ++k) frame = join(frame, {{139 + k, 75 + k}, {143 - k, 75 + k}});
  EXPECT_EQ(pixelsOf(kFrame), frame);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 28, 72, 7}}));

  // A title's pen is taken modulo 256.
  platform().trace().clear();
  writeWin(-400, 54, "x");
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 288 % 256, 72, 1}}));
}

TEST_F(PembloToolkit, PointerIsAClosedOutlineOfSevenLines) {
  mCursor(76, 122);
  EXPECT_EQ(takeCalls({"AhiDrawBrushFgColorSet", "AhiDrawLines"}).front(),
            "AhiDrawBrushFgColorSet(" + c() + ", 65535)");
  mCursor(76, 122);
  EXPECT_EQ(lastLines(), pointerLines(76, 122));
  AHG_Flush();
  EXPECT_EQ(boundsOf(pixelsOf(kWhite)), (Bounds{76, 122, 87, 136}));
}

// ---- Soft-key line ------------------------------------------------------------------------

TEST_F(PembloToolkit, SoftKeyLineClosed) {
  len = 3, mx = 12, pg = 0, set = 1;
  const Pixels position = text(shown(170, 170, 170), "1/3 - 33%", 40, 209);
  const Pixels name = text(shown(170, 170, 34), "BlackList.txt", 50, 1);
  downsoftline(kMenuWordRu, kOk, kMenuRu, 0, 0);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{
                             {kOlive, 50, 1, 13}, {kGrey170, 40, 209, 9},
                             {pack(34, 34, 34), 156, 209, 2}, {kOlive, 2, 209, 4}}));
  AHG_Flush();
  EXPECT_EQ(pixelsOf(shown(170, 170, 170)), position);
  EXPECT_EQ(within(pixelsOf(shown(170, 170, 34)), box(0, 0, 175, 12)), name);
  // Header strip: row 0 dark blue, rows 1..12 the soft-key strip's colours upside down.
  EXPECT_EQ(platform().display().pixel(175, 0), shown(0, 0, 100));
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(platform().display().pixel(175, 208 + i), strip(i)) << i;
    EXPECT_EQ(platform().display().pixel(175, 12 - i), strip(i)) << i;
    EXPECT_EQ(platform().display().pixel(30, 208 + i), strip(i)) << i;  // not lit
  }
  EXPECT_EQ(pixelsOf({0, 0, 0}), box(0, 13, 175, 207));
}

TEST_F(PembloToolkit, PositionText) {
  struct Case {
    UINT8 pg, mx, set, len;
    std::vector<int64_t> numbers;  // S, len, P
  };
  for (const Case& k : {Case{0, 12, 1, 3, {1, 3, 33}}, Case{1, 12, 3, 20, {15, 20, 75}},
                        Case{0, 12, 5, 5, {5, 5, 100}}, Case{21, 12, 3, 255, {255, 255, 100}},
                        Case{0, 12, 1, 255, {1, 255, 0}}}) {
    platform().trace().clear();
    pg = k.pg, mx = k.mx, set = k.set, len = k.len;
    downsoftline("Menu", kOk, kMenuEn, 0, 0);
    std::vector<int64_t> numbers;
    for (const auto& a : argsOf("u_ltou")) numbers.push_back(a[0]);
    EXPECT_EQ(numbers, k.numbers) << int(k.pg) << " " << int(k.set);
    const int64_t s = k.numbers[0];
    EXPECT_EQ(argsOf("__rt_udiv"), (std::vector<std::vector<int64_t>>{{k.len, 100 * s}}));
    const int64_t width = std::to_string(s).size() + 1 + std::to_string(k.len).size() + 3 +
                          std::to_string(k.numbers[2]).size() + 1;
    EXPECT_EQ(textCalls().at(1), (TextCall{kGrey170, 40, 209, width}));
  }
}

TEST_F(PembloToolkit, EmptyListShowsZeroPercentInsteadOfDividing) {
  len = 0, mx = 12, pg = 0, set = 1;
  downsoftline("Menu", kOk, kMenuEn, 0, 0);
  EXPECT_TRUE(argsOf("__rt_udiv").empty());
  EXPECT_EQ(textCalls().at(1), (TextCall{kGrey170, 40, 209, 8}));  // "1/0 - 0%"
}

TEST_F(PembloToolkit, RightLabelIsLitWhileAnOverlayIsUp) {
  UINT8* flags[] = {&OnMenu, &ExitMenu, &About, &Error};
  len = 1, mx = 12, set = 1;
  for (UINT8* flag : flags) {
    OnMenu = ExitMenu = About = Error = 0;
    *flag = 1;
    platform().trace().clear();
    downsoftline("Menu", kOk, kMenuEn, 0, 0);
    EXPECT_EQ(textCalls().at(2), (TextCall{kOlive, 156, 209, 2}));
  }
  // Right-aligned, its cells ending 10 pixels before the edge.
  platform().trace().clear();
  downsoftline("Menu", "Back", kMenuEn, 0, 0);
  EXPECT_EQ(textCalls().at(2).x, 176 - (5 * 4 + 10));
}

TEST_F(PembloToolkit, MenuOpen) {
  len = 3, mx = 12, set = 1;
  downsoftline("Menu", kOk, kMenuEn, 1, 1);
  const auto calls = textCalls();
  // Header name, position, right label, left label in white, then one call per character.
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[3], (TextCall{kText, 2, 209, 4}));
  const char* items[] = {"Edit line", "Delete", "Add line", "About", "Exit"};
  const int rows[] = {150, 161, 172, 183, 194};
  std::vector<TextCall> expected;
  for (int k = 0; k < 5; ++k)
    for (size_t i = 0; i < std::strlen(items[k]); ++i)
      expected.push_back({k == 1 ? kText : kOlive, int64_t(4 + 5 * i), rows[k], 1});
  EXPECT_EQ(std::vector<TextCall>(calls.begin() + 4, calls.end()), expected);

  AHG_Flush();
  EXPECT_EQ(pixelsOf(kMenuFrame), outline(2, 147, 62, 209));
  // (Row 0 of the header strip has the same 5-6-5 colour.)
  EXPECT_TRUE(contains(box(3, 148, 61, 208), within(pixelsOf(kMenuInside), box(0, 1, 175, 219))));
  EXPECT_EQ(boundsOf(pixelsOf(kMenuBar)), (Bounds{3, 160, 61, 171}));
  // Lit strip under "Menu" (20 pixels) up to x 34, below the menu.
  for (int i = 2; i < 12; ++i) {
    EXPECT_EQ(platform().display().pixel(34, 208 + i), lit(i)) << i;
    EXPECT_EQ(platform().display().pixel(35, 208 + i), strip(i)) << i;
  }
}

TEST_F(PembloToolkit, MenuShapes) {
  len = 1, mx = 12, set = 1;
  struct Case {
    const char* menu;
    UINT16 sel;
    int frameTop, barTop;
    std::vector<TextCall> items;
  };
  const Case cases[] = {
      {"Solo", 0, 195, 196, {{kText, 4, 198, 1}, {kText, 9, 198, 1}, {kText, 14, 198, 1}, {kText, 19, 198, 1}}},
      // An empty item keeps its row and its bar position.
      {"A||C", 1, 171, 184, {{kOlive, 4, 174, 1}, {kOlive, 4, 196, 1}}},
  };
  for (const Case& k : cases) {
    clear();
    platform().trace().clear();
    downsoftline("Menu", kOk, k.menu, 1, k.sel);
    const auto calls = textCalls();
    EXPECT_EQ(std::vector<TextCall>(calls.begin() + 4, calls.end()), k.items) << k.menu;
    AHG_Flush();
    EXPECT_EQ(pixelsOf(kMenuFrame), outline(2, k.frameTop, 62, 209)) << k.menu;
    EXPECT_EQ(boundsOf(pixelsOf(kMenuBar)), (Bounds{3, k.barTop, 61, k.barTop + 11})) << k.menu;
  }
}

// ---- Dialogs ------------------------------------------------------------------------------

TEST_F(PembloToolkit, ExitConfirmationEnglish) {
  writeExitMenu(28, 83, 1);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 28, 72, 7},
                                                {kText, 30, 88, 22},
                                                {kText, 30, 100, 15},
                                                {kYellow, 62, 118, 3},
                                                {kGrey, 98, 118, 2}}));
  EXPECT_EQ(lastLines(), pointerLines(76, 122));
  AHG_Flush();
  // The pointer, drawn last, lies over parts of the buttons.
  EXPECT_TRUE(contains(join(pixelsOf(kFrame), pixelsOf(kWhite)),
                       join(outline(59, 117, 88, 129), outline(95, 117, 119, 129))));
  EXPECT_TRUE(contains(pixelsOf(kButtonLit), box(60, 118, 61, 128)));
  EXPECT_TRUE(contains(pixelsOf(kButtonPlain), box(96, 118, 97, 128)));
}

TEST_F(PembloToolkit, ExitConfirmationRussian) {
  setLanguage(kRu);
  writeExitMenu(28, 83, 0);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 28, 72, 8},
                                                {kText, 30, 88, 21},
                                                {kText, 30, 100, 17},
                                                {kGrey, 67, 118, 2},
                                                {kYellow, 98, 118, 3}}));
  EXPECT_EQ(lastLines(), pointerLines(118, 122));
  AHG_Flush();
  EXPECT_TRUE(contains(join(pixelsOf(kFrame), pixelsOf(kWhite)),
                       join(outline(64, 117, 88, 129), outline(95, 117, 124, 129))));
  EXPECT_TRUE(contains(pixelsOf(kButtonPlain), box(65, 118, 66, 128)));
  EXPECT_TRUE(contains(pixelsOf(kButtonLit), box(96, 118, 97, 128)));
}

TEST_F(PembloToolkit, LanguageIsTestedOnEveryDraw) {
  struct Case {
    std::string code;
    int64_t titleLength;  // "Выход..." or "Exit..."
  };
  for (const Case& k : {Case{"#ru", 8}, Case{"#", 8}, Case{"en", 7}, Case{"ru", 7}, Case{"", 7},
                        Case{"#ru", 8}}) {
    setLanguage(k.code);
    platform().trace().clear();
    writeExitMenu(28, 83, 0);
    EXPECT_EQ(textCalls().at(0).count, k.titleLength) << k.code;
  }
}

TEST_F(PembloToolkit, SingleButton) {
  struct Case {
    const char* text;
    int x1, x2, textX;
  };
  for (Case k : {Case{"Accepted", 61, 115, 65}, Case{kAcceptRu, 64, 113, 67}}) {
    for (UINT8 active : {1, 0}) {
      clear();
      platform().trace().clear();
      wOK(active, k.text, 0, 82);
      EXPECT_EQ(textCalls(), (std::vector<TextCall>{{active ? kYellow : kGrey, k.textX, 142,
                                                     int64_t(std::strlen(k.text))}}));
      AHG_Flush();
      // The text's 12-row cells end on the outline's bottom row, where descenders cover it.
      const Pixels edge = outline(k.x1, 141, k.x2, 153);
      const Rgb ink = active ? shown(250, 250, 0) : shown(136, 136, 136);
      EXPECT_EQ(minus(edge, pixelsOf(kFrame)), within(pixelsOf(ink), edge));
      EXPECT_TRUE(contains(edge, pixelsOf(kFrame)));
      const Pixels inside = box(k.x1 + 1, 142, k.x2 - 1, 152);
      EXPECT_TRUE(contains(inside, pixelsOf(active ? kButtonLit : kButtonPlain)));
      EXPECT_GT(pixelsOf(active ? kButtonLit : kButtonPlain).size(), inside.size() / 2);
    }
  }
}

TEST_F(PembloToolkit, Icon) {
  wrIcon(11, 61);
  EXPECT_EQ(takeCalls({"AhiDrawBrushFgColorSet"}),
            (std::vector<std::string>{"AhiDrawBrushFgColorSet(" + c() + ", " + std::to_string(pack(200, 100, 200)) + ")",
                                      "AhiDrawBrushFgColorSet(" + c() + ", " + std::to_string(pack(200, 0, 0)) + ")"}));
  AHG_Flush();
  EXPECT_EQ(boundsOf(pixelsOf(shown(200, 100, 200))), (Bounds{14, 67, 41, 89}));
  EXPECT_TRUE(contains(pixelsOf(shown(200, 0, 0)), box(27, 76, 28, 79)));
}

TEST_F(PembloToolkit, AboutBoxEnglish) {
  writeAbout(5, 60);
  const auto calls = textCalls();
  ASSERT_EQ(calls.size(), 15u);
  const std::vector<TextCall> expected = {
      {kYellow, 5, 49, 28},          {pack(0, 250, 0), 9, 62, 3}, {pack(250, 170, 0), 9, 80, 6},
      {kText, 41, 62, 19},           {kText, 41, 73, 4},          {kText, 41, 84, 10},
      {kGrey170, 66, 73, 13},        {kYellow, 95, 84, 8},        {kText, 4, 105, 6},
      {kText, 4, 116, 8},            {kYellow, 65, 142, 8},       {pack(250, 0, 0), 7, 95, 31},
  };
  EXPECT_EQ(std::vector<TextCall>(calls.begin(), calls.begin() + 12), expected);
  EXPECT_EQ((std::vector<int64_t>{calls[12].colour, calls[12].x, calls[12].y}),
            (std::vector<int64_t>{kYellow, 48, 105}));  // author
  EXPECT_EQ((std::vector<int64_t>{calls[13].colour, calls[13].x, calls[13].y}),
            (std::vector<int64_t>{pack(0, 128, 0), 48, 116}));  // thanks
  EXPECT_EQ((std::vector<int64_t>{calls[14].colour, calls[14].x, calls[14].y}),
            (std::vector<int64_t>{kGrey170, 48, 128}));  // web address
  for (const auto& t : calls) EXPECT_LE(t.x + 5 * t.count, 176) << t;  // all within the screen
  AHG_Flush();
  EXPECT_TRUE(contains(join(join(pixelsOf(kFrame), pixelsOf(kWhite)), pixelsOf(shown(250, 250, 0))),
                       outline(61, 141, 115, 153)));
  const auto lines = platform().trace().lines({"AhiDrawLines"});
  // The pointer is drawn right after the button, before the lines that follow it.
  const auto pointer = pointerLines(111, 145);
  EXPECT_TRUE(std::search(lines.begin(), lines.end(), pointer.begin(), pointer.end()) != lines.end());
}

TEST_F(PembloToolkit, AboutBoxRussian) {
  setLanguage(kRu);
  writeAbout(5, 60);
  const auto calls = textCalls();
  ASSERT_EQ(calls.size(), 15u);
  EXPECT_EQ(calls[0], (TextCall{kYellow, 5, 49, 29}));
  EXPECT_EQ(calls[6], (TextCall{kGrey170, 91, 73, 13}));
  EXPECT_EQ(calls[7], (TextCall{kYellow, 105, 84, 8}));
  EXPECT_EQ(calls[10], (TextCall{kYellow, 67, 142, 7}));
  for (const auto& t : calls) EXPECT_LE(t.x + 5 * t.count, 176) << t;
}

TEST_F(PembloToolkit, ErrorBox) {
  writeError(10, 60);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 10, 49, 28},
                                                {kText, 12, 72, 27},
                                                {kText, 12, 84, 25},
                                                {kText, 12, 96, 14},
                                                {kYellow, 12, 120, 24},
                                                {kYellow, 65, 142, 8}}));
  EXPECT_EQ(lastLines(), pointerLines(111, 145));
  setLanguage(kRu);
  platform().trace().clear();
  writeError(10, 60);
  EXPECT_EQ(textCalls(), (std::vector<TextCall>{{kYellow, 10, 49, 28},
                                                {kText, 12, 72, 28},
                                                {kText, 12, 84, 27},
                                                {kText, 12, 96, 11},
                                                {kYellow, 12, 120, 29},
                                                {kYellow, 67, 142, 7}}));
}

// ---- Golden screens -----------------------------------------------------------------------

class PembloScreens : public PembloToolkit, public ::testing::WithParamInterface<std::string> {
 protected:
  bool russian() const { return GetParam() == "ru"; }
  std::string name(const char* what) const { return "ui_pemblo_" + GetParam() + "_" + what; }
  void SetUp() override {
    PembloToolkit::SetUp();
    setLanguage(russian() ? kRu : "en");
    len = 3, mx = 12, pg = 0, set = 1;
  }
  void softline(UINT8 open, UINT16 sel) {
    downsoftline(russian() ? kMenuWordRu.text() : "Menu", kOk,
                 russian() ? kMenuRu.text() : kMenuEn, open, sel);
  }
};

TEST_P(PembloScreens, Dialogs) {
  ExitMenu = 1;
  softline(0, 0);
  writeExitMenu(28, 83, 1);
  AHG_Flush();
  expectGolden(name("exit"), true);

  clear();
  ExitMenu = 0, About = 1;
  softline(0, 0);
  writeAbout(5, 60);
  AHG_Flush();
  expectGolden(name("about"), true);

  clear();
  About = 0, Error = 1;
  softline(0, 0);
  writeError(10, 60);
  AHG_Flush();
  expectGolden(name("error"), true);
}

TEST_P(PembloScreens, SoftKeyLine) {
  softline(0, 0);
  AHG_Flush();
  expectGolden(name("softline"), true);
  OnMenu = 1;
  softline(1, 1);
  AHG_Flush();
  expectGolden(name("menu"), true);
}

INSTANTIATE_TEST_SUITE_P(Languages, PembloScreens, ::testing::Values("en", "ru"));

}  // namespace
}  // namespace phone::testing::ui
