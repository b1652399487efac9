// The key table: every key in every UI mode, with the flags, the band model and the menu
// highlight it leaves, and what it redraws (soft-key line only, screen, screen with fill).
#include <cstdio>
#include <string>

#include "kav_session.h"

namespace kav::testing {
namespace {

enum class Mode { Plain, Menu, Exit, About, Result };
enum class Change { None, ColourDown, ColourUp, BandLeft, BandRight, MenuUp, MenuDown, Choice,
                    Light };
enum class Drawn { SoftLine, Paint, FilledPaint };

const char* modeName(Mode m) {
  switch (m) {
    case Mode::Plain: return "plain";
    case Mode::Menu: return "menu";
    case Mode::Exit: return "exit";
    case Mode::About: return "about";
    case Mode::Result: return "result";
  }
  return "?";
}

struct KeyCase {
  Mode mode;
  uint8_t key;
  Mode after;
  Change change;
  Drawn drawn;
};

constexpr uint8_t kOther1 = 0x11, kOther2 = 0x41;

// Mode, key -> mode after, what else changes, what is redrawn.
const KeyCase kCases[] = {
    // Plain screen.
    {Mode::Plain, kUp, Mode::Plain, Change::ColourDown, Drawn::Paint},
    {Mode::Plain, kDown, Mode::Plain, Change::ColourUp, Drawn::Paint},
    {Mode::Plain, kLeft, Mode::Plain, Change::BandLeft, Drawn::Paint},
    {Mode::Plain, kRight, Mode::Plain, Change::BandRight, Drawn::Paint},
    {Mode::Plain, kLight, Mode::Plain, Change::Light, Drawn::Paint},
    {Mode::Plain, kMenu, Mode::Menu, Change::None, Drawn::SoftLine},
    {Mode::Plain, kSoft2, Mode::Plain, Change::None, Drawn::Paint},
    {Mode::Plain, kSelect, Mode::Plain, Change::None, Drawn::Paint},
    {Mode::Plain, kOther1, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::Plain, kOther2, Mode::Plain, Change::None, Drawn::FilledPaint},
    // Menu open, item 1 highlighted.
    {Mode::Menu, kUp, Mode::Menu, Change::MenuUp, Drawn::SoftLine},
    {Mode::Menu, kDown, Mode::Menu, Change::MenuDown, Drawn::SoftLine},
    {Mode::Menu, kLeft, Mode::Menu, Change::None, Drawn::SoftLine},
    {Mode::Menu, kRight, Mode::Menu, Change::None, Drawn::SoftLine},
    {Mode::Menu, kLight, Mode::Menu, Change::Light, Drawn::SoftLine},
    {Mode::Menu, kMenu, Mode::Plain, Change::None, Drawn::FilledPaint},
    // Choosing an item fills: the closed menu must not stay under the overlay.
    {Mode::Menu, kSoft2, Mode::About, Change::None, Drawn::FilledPaint},
    {Mode::Menu, kSelect, Mode::About, Change::None, Drawn::FilledPaint},
    {Mode::Menu, kOther1, Mode::Menu, Change::None, Drawn::SoftLine},
    {Mode::Menu, kOther2, Mode::Menu, Change::None, Drawn::SoftLine},
    // Exit confirmation, "No" highlighted.
    {Mode::Exit, kUp, Mode::Exit, Change::None, Drawn::Paint},
    {Mode::Exit, kDown, Mode::Exit, Change::None, Drawn::Paint},
    {Mode::Exit, kLeft, Mode::Exit, Change::Choice, Drawn::Paint},
    {Mode::Exit, kRight, Mode::Exit, Change::Choice, Drawn::Paint},
    {Mode::Exit, kLight, Mode::Exit, Change::Light, Drawn::Paint},
    {Mode::Exit, kMenu, Mode::Exit, Change::None, Drawn::Paint},
    {Mode::Exit, kSoft2, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::Exit, kSelect, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::Exit, kOther1, Mode::Exit, Change::None, Drawn::FilledPaint},
    // About box.
    {Mode::About, kUp, Mode::About, Change::None, Drawn::Paint},
    {Mode::About, kDown, Mode::About, Change::None, Drawn::Paint},
    {Mode::About, kLeft, Mode::About, Change::None, Drawn::Paint},
    {Mode::About, kRight, Mode::About, Change::None, Drawn::Paint},
    {Mode::About, kLight, Mode::About, Change::Light, Drawn::Paint},
    {Mode::About, kMenu, Mode::About, Change::None, Drawn::Paint},
    {Mode::About, kSoft2, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::About, kSelect, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::About, kOther1, Mode::About, Change::None, Drawn::FilledPaint},
    // Result window.
    {Mode::Result, kUp, Mode::Result, Change::None, Drawn::Paint},
    {Mode::Result, kDown, Mode::Result, Change::None, Drawn::Paint},
    {Mode::Result, kLeft, Mode::Result, Change::None, Drawn::Paint},
    {Mode::Result, kRight, Mode::Result, Change::None, Drawn::Paint},
    {Mode::Result, kLight, Mode::Result, Change::Light, Drawn::Paint},
    {Mode::Result, kMenu, Mode::Result, Change::None, Drawn::Paint},
    {Mode::Result, kSoft2, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::Result, kSelect, Mode::Plain, Change::None, Drawn::FilledPaint},
    {Mode::Result, kOther1, Mode::Result, Change::None, Drawn::FilledPaint},
};

const Rgb kMarker{255, 0, 255};
// Outside the resistor and every overlay: only the background fill reaches it.
constexpr int kFillX = 2, kFillY = 100;
// The left end cap of the resistor body: every paint reaches it.
constexpr int kPaintX = 20, kPaintY = 40;
// The soft-key line's strip, clear of its texts.
constexpr int kLineX = 100, kLineY = 214;

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << modeName(c.mode) << " key 0x" << std::hex << int(c.key);
}

class KavKeys : public ::testing::TestWithParam<KeyCase> {};

void enter(KavSession& s, Mode mode) {
  s.setedit() = 2;
  s.sett()[2] = 3;
  s.setmenu() = 1;
  s.flag("OnMenu") = mode == Mode::Menu;
  s.flag("ExitMenu") = mode == Mode::Exit;
  s.flag("About") = mode == Mode::About;
  s.flag("Write") = mode == Mode::Result;
}

Mode modeOf(KavSession& s) {
  const int set = s.flag("OnMenu") + s.flag("ExitMenu") + s.flag("About") + s.flag("Write");
  EXPECT_LE(set, 1) << "more than one UI-mode flag set";
  if (s.flag("OnMenu")) return Mode::Menu;
  if (s.flag("ExitMenu")) return Mode::Exit;
  if (s.flag("About")) return Mode::About;
  if (s.flag("Write")) return Mode::Result;
  return Mode::Plain;
}

TEST_P(KavKeys, KeyInMode) {
  const KeyCase& c = GetParam();
  KavSession s;
  enter(s, c.mode);
  s.mark(kFillX, kFillY, kMarker);
  s.mark(kPaintX, kPaintY, kMarker);
  s.mark(kLineX, kLineY, kMarker);
  const size_t lines = s.debugLines().size();

  s.press(c.key);

  EXPECT_EQ(modeOf(s), c.after);
  const Change ch = c.change;
  EXPECT_EQ(s.setedit(), ch == Change::BandLeft ? 1 : ch == Change::BandRight ? 3 : 2);
  EXPECT_EQ(s.sett()[2], ch == Change::ColourDown ? 2 : ch == Change::ColourUp ? 4 : 3);
  for (int b : {0, 1, 3, 4, 5}) EXPECT_EQ(s.sett()[b], 0) << "band " << b;
  EXPECT_EQ(s.setmenu(), ch == Change::MenuUp ? 0 : ch == Change::MenuDown ? 2 : 1);
  EXPECT_EQ(s.flag("ExitOkNo"), ch == Change::Choice ? 1 : 0);
  EXPECT_EQ(s.flag("state"), ch == Change::Light ? 0 : 1);
  if (c.drawn != Drawn::SoftLine) EXPECT_EQ(s.flag("repaint"), 0) << "a paint clears repaint";

  const bool filled = s.pixel(kFillX, kFillY) != kMarker;
  const bool painted = s.pixel(kPaintX, kPaintY) != kMarker;
  EXPECT_EQ(filled, c.drawn == Drawn::FilledPaint);
  EXPECT_EQ(painted, c.drawn != Drawn::SoftLine);
  EXPECT_NE(s.pixel(kLineX, kLineY), kMarker) << "the soft-key line is always redrawn";
  if (filled) EXPECT_EQ(s.pixel(kFillX, kFillY), (Rgb{0, 0, 0}));
  if (painted) EXPECT_EQ(s.pixel(kPaintX, kPaintY), rgb(0x20101000));

  char expected[64];
  std::snprintf(expected, sizeof expected, "TARVIK - KeyPress = 0x%x", c.key);
  EXPECT_EQ(s.debugSince(lines), std::vector<std::string>{expected});
  EXPECT_TRUE(s.framework().running());
}

std::string caseName(const ::testing::TestParamInfo<KeyCase>& info) {
  char name[48];
  std::snprintf(name, sizeof name, "%s_0x%02X", modeName(info.param.mode), info.param.key);
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, KavKeys, ::testing::ValuesIn(kCases), caseName);

}  // namespace
}  // namespace kav::testing
