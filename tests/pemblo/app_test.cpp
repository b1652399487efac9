// The list editor's frame driven through its image: start in both languages, paging, the menu,
// the dialogs, the red end key, event 0x14, state entries and a canvas that cannot be made.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs.h"
#include "pemblo_session.h"

using namespace pemblo_test;

namespace {

size_t count(Pemblo& p, std::string_view name) {
  const auto& calls = p.platform().trace().calls();
  return std::count_if(calls.begin(), calls.end(), [&](auto& c) { return c.name == name; });
}

// The list background FillRect(0, 0, 176, 208): a full paint.
size_t fullPaints(Pemblo& p) {
  size_t n = 0;
  for (const auto& c : p.platform().trace().calls())
    if (c.name == "AhiDrawSpans" && c.args[1] == 0 && c.args[2] == 0 && c.args[3] == 177 &&
        c.args[4] == 209)
      ++n;
  return n;
}

size_t drawingCalls(Pemblo& p) {
  size_t n = 0;
  for (const auto& c : p.platform().trace().calls())
    if (c.name.starts_with("Ahi") || c.name.starts_with("DAL_")) ++n;
  return n;
}

struct Flags {
  uint8_t onMenu, exitMenu, about, error;
  bool operator==(const Flags&) const = default;
};

Flags flags(Pemblo& p) {
  return {p.var<UINT8>("OnMenu"), p.var<UINT8>("ExitMenu"), p.var<UINT8>("About"),
          p.var<UINT8>("Error")};
}

// Each mode of the main state, reached from a fresh start by keys.
enum class Mode { Plain, Menu, ExitConfirmation, About, Error };
const Mode kModes[] = {Mode::Plain, Mode::Menu, Mode::ExitConfirmation, Mode::About, Mode::Error};

void enter(Pemblo& p, Mode m) {
  switch (m) {
    case Mode::Plain: break;
    case Mode::Menu: p.key(kMenu); break;
    case Mode::ExitConfirmation: p.choose(kExit); break;
    case Mode::About: p.choose(kAbout); break;
    case Mode::Error: p.choose(kDelete); break;  // on a one-record file
  }
}

}  // namespace

TEST(App, StartsInEitherLanguageWithAMissingFile) {
  struct Case {
    std::string language, label, menu;
  } cases[] = {
      {"en", "Menu", "Edit line|Delete|Add line|About|Exit"},
      {"#ru", "\xCC\xE5\xED\xFE",
       "\xC8\xE7\xEC\xE5\xED\xE8\xF2\xFC|\xD3\xE4\xE0\xEB\xE8\xF2\xFC|"
       "\xC4\xEE\xE1\xE0\xE2\xE8\xF2\xFC|\xD1\xEF\xF0\xE0\xE2\xEA\xE0|\xC2\xFB\xE9\xF2\xE8"},
  };
  for (const auto& c : cases) {
    Pemblo p(Options{.language = c.language});
    EXPECT_EQ(p.list(), kDefault);
    EXPECT_EQ(p.state(), 2u);
    EXPECT_EQ(p.len(), 1);
    EXPECT_EQ(p.selected(), 1u);
    EXPECT_EQ(p.setmenu(), 0);
    EXPECT_EQ((Flags{0, 0, 0, 0}), flags(p));
    EXPECT_EQ(std::string(p.var<const char*>("softline")), c.label);
    EXPECT_EQ(std::string(p.var<const char*>("menu")), c.menu);
    EXPECT_EQ(std::string(p.var<const char*>("l_ok")), "\xCE\xEA");  // Cyrillic "Ок" in both
    EXPECT_EQ(p.framework().appName(), "pemblo");
    EXPECT_EQ(p.framework().stateCount(), 4u);
    EXPECT_EQ(p.buf(), kDefault);
    auto resource = p.platform().trace().lines({"DRM_SetResource"});
    ASSERT_EQ(resource.size(), 1u);
    EXPECT_TRUE(resource[0].ends_with(", 1, 12)")) << resource[0];  // "Номер" and its 0 unit
  }
}

TEST(App, PagesThroughTwentyFiveRecords) {
  Pemblo p(join(numbered(25)));
  for (uint32_t s = 2; s <= 25; ++s) {
    p.key(kDown);
    ASSERT_EQ(p.selected(), s);
    EXPECT_EQ(p.pg(), (s - 1) / 12);
    EXPECT_EQ(p.buf(), "R" + std::to_string(s));
  }
  p.key(kDown);
  EXPECT_EQ(p.selected(), 1u);
  p.key(kUp);
  EXPECT_EQ(p.pg(), 2);
  EXPECT_EQ(p.set(), 1);
}

TEST(App, DeletingTheOnlyRecordIsRefusedWithTheErrorBox) {
  Pemblo p("+1 only");
  p.platform().trace().clear();
  p.choose(kDelete);
  EXPECT_EQ((Flags{0, 0, 0, 1}), flags(p));
  EXPECT_EQ(p.list(), "+1 only");
  EXPECT_EQ(count(p, "DL_FsWriteFile"), 0u);
  p.key(kSelect);
  EXPECT_EQ((Flags{0, 0, 0, 0}), flags(p));
  EXPECT_EQ(p.list(), "+1 only");
}

TEST(App, DeletingRecordThreeOfThree) {
  Pemblo p(join({"A", "B", "D"}));
  p.keys({kDown, kDown});
  p.choose(kDelete);
  EXPECT_EQ(p.list(), "A\r\nB");
  EXPECT_EQ(p.selected(), 2u);
  EXPECT_EQ(p.len(), 2);
  EXPECT_EQ(p.buf(), "B");
}

TEST(App, TheOpenMenuRedrawsOnlyTheSoftKeyLine) {
  Pemblo p(join(numbered(5)));
  p.key(kDown);
  p.key(kMenu);
  EXPECT_EQ(flags(p).onMenu, 1);
  const std::pair<uint8_t, uint16_t> moves[] = {{kDown, 1}, {kUp, 0}, {kUp, 4}, {kDown, 0},
                                                {kLeft, 0}, {kRight, 0}, {kLight, 0}};
  for (auto [key, item] : moves) {
    p.platform().trace().clear();
    p.key(key);
    EXPECT_EQ(p.setmenu(), item);
    EXPECT_EQ(fullPaints(p), 0u) << "key " << int(key);
    EXPECT_EQ(count(p, "AhiDrawBitBlt"), 1u);
    EXPECT_EQ(count(p, "DL_FsOpenFile"), 0u);  // the list is not read again
    EXPECT_EQ(p.selected(), 2u);
  }
  p.key(kMenu);  // closes; the menu opens again on the item it closed on
  EXPECT_EQ(flags(p).onMenu, 0);
  p.keys({kMenu, kDown, kDown, kDown, kSelect, kSelect, kMenu});
  EXPECT_EQ(p.setmenu(), kAbout);
}

TEST(App, TheRedEndKeyEndsTheProgramFromEveryMode) {
  for (Mode m : kModes) {
    Pemblo p(kDefault);
    enter(p, m);
    p.platform().trace().clear();
    p.key(kEnd);
    EXPECT_FALSE(p.running());
    EXPECT_EQ(count(p, "APP_Exit"), 1u);
    EXPECT_EQ(count(p, "DRM_ClearResource"), 1u);
    EXPECT_EQ(count(p, "LdrUnloadELF"), 1u);
    EXPECT_EQ(count(p, "APP_ConsumeEv"), 0u) << "the end key is not consumed";
    EXPECT_EQ(fullPaints(p), 0u);
  }
}

TEST(App, ExitConfirmationNeedsYes) {
  Pemblo p;
  p.choose(kExit);
  EXPECT_EQ((Flags{0, 1, 0, 0}), flags(p));
  EXPECT_EQ(p.var<UINT8>("ExitOkNo"), 0);
  p.key(kSelect);  // "No" is highlighted
  EXPECT_TRUE(p.running());
  EXPECT_EQ((Flags{0, 0, 0, 0}), flags(p));
  p.choose(kExit);
  p.keys({kRight, kLeft, kRight});
  EXPECT_EQ(p.var<UINT8>("ExitOkNo"), 1);
  p.key(kSoft2);
  EXPECT_FALSE(p.running());
}

TEST(App, SideKeysAndTheMenuKeyOverADialog) {
  for (Mode m : {Mode::Plain, Mode::Menu, Mode::About, Mode::Error}) {
    Pemblo p;
    enter(p, m);
    Flags before = flags(p);
    p.keys({kLeft, kRight, kLeft});
    EXPECT_EQ(flags(p), before);
    EXPECT_EQ(p.var<UINT8>("ExitOkNo"), 0);
    if (m == Mode::About || m == Mode::Error) {  // the menu key only repaints
      p.platform().trace().clear();
      p.key(kMenu);
      EXPECT_EQ(flags(p), before);
      EXPECT_EQ(fullPaints(p), 1u);
    }
  }
}

TEST(App, Event0x14RepaintsInEveryModeWithoutChangingIt) {
  for (Mode m : kModes) {
    Pemblo p("A");  // one record, so that "Delete" opens the error box
    enter(p, m);
    Flags before = flags(p);
    p.platform().trace().clear();
    p.repaint();
    EXPECT_EQ(fullPaints(p), 1u);
    EXPECT_EQ(count(p, "AhiDrawBitBlt"), 1u);
    EXPECT_EQ(count(p, "APP_ConsumeEv"), 0u);
    EXPECT_EQ(flags(p), before);
    EXPECT_EQ(p.buf(), "A");
  }
}

TEST(App, StateEntriesOfAnotherKindDoNothing) {
  Pemblo p;
  p.platform().trace().clear();
  EXPECT_EQ(p.framework().enterState(2, 1), 0u);
  EXPECT_EQ(p.framework().enterState(3, 7), 0u);
  EXPECT_EQ(count(p, "UIS_CreateColorCanvas"), 0u);
  EXPECT_EQ(count(p, "UIS_CreateCharacterEditor"), 0u);
  EXPECT_EQ(count(p, "APP_UtilUISDialogDelete"), 0u);
  EXPECT_EQ(count(p, "DAL_GetDeviceContext"), 0u);
}

TEST(App, WithoutACanvasNothingIsDrawnAndTheFileIsSafe) {
  Pemblo p(Options{.list = join({"A", "B", "C"}), .load = false});
  p.platform().dialogs().failCanvasCreation(true);
  p.session().load();
  ASSERT_TRUE(p.running());
  auto canvas = p.platform().trace().lines({"UIS_CreateColorCanvas"});
  ASSERT_EQ(canvas.size(), 1u);
  EXPECT_TRUE(canvas[0].ends_with(", 0)"));  // no canvas made
  EXPECT_EQ(drawingCalls(p), 0u);
  p.keys({kDown, kMenu, kDown, kUp, kMenu, kLeft});
  p.repaint();
  p.choose(kAbout);
  p.key(kSelect);
  EXPECT_EQ(drawingCalls(p), 0u);
  EXPECT_EQ(p.buf(), "B");  // the editor still gets the selected record
  EXPECT_EQ(p.list(), join({"A", "B", "C"}));
  // Back from the editor the main state is entered again and the canvas now made.
  p.platform().dialogs().failCanvasCreation(false);
  p.choose(kAddLine);
  p.back();
  EXPECT_GT(fullPaints(p), 0u);
  EXPECT_EQ(p.list(), join({"A", "B", "C"}));
}

TEST(App, Event0x14InTheInitStateAndTheTokenGrantedAgain) {
  Pemblo p(join({"A", "B"}));
  p.key(kDown);
  p.framework().changeState(1, p.framework().record());
  ASSERT_EQ(p.state(), 1u);
  p.platform().trace().clear();
  p.repaint();
  EXPECT_EQ(fullPaints(p), 1u);
  p.key(kDown);  // keys belong to the main state
  EXPECT_EQ(p.selected(), 2u);
  p.framework().sendEvent(0x1E);
  EXPECT_EQ(p.state(), 2u);
  EXPECT_EQ(count(p, "UIS_CreateColorCanvas"), 1u);
  EXPECT_NE(p.framework().record()->dialog, 0u);
}
