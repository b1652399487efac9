// The calculator driven through its loaded image: start, keys, timer, overlays and exit.
#include <algorithm>
#include <string>
#include <vector>

#include "canvas.h"
#include "dialogs.h"
#include "kav_session.h"
#include "trace.h"

namespace kav::testing {
namespace {

using phone::Framework;
using phone::ProgramStatus;
using phone::TraceCall;

// Names of the traced calls, in order, that are one of `names`.
std::vector<std::string> callNames(std::initializer_list<std::string_view> names) {
  std::vector<std::string> out;
  for (const TraceCall& c : phone::platform().trace().calls())
    if (std::find(names.begin(), names.end(), c.name) != names.end()) out.push_back(c.name);
  return out;
}

bool isCanvasDrawing(const TraceCall& c) {
  return c.name == "UIS_CanvasDrawLine" || c.name == "UIS_CanvasDrawRect" ||
         c.name == "UIS_CanvasFillRect";
}

TEST(KavStart, RegistersStartsAndPaintsTheResistorAtLoadState) {
  KavSession s;
  Framework& fw = s.framework();
  EXPECT_TRUE(fw.running());
  EXPECT_EQ(fw.currentState(), 2u);
  EXPECT_EQ(fw.appName(), "kav");
  EXPECT_EQ(fw.registeredCodes(), std::vector<uint32_t>{Framework::kLoaderEventCode});
  EXPECT_EQ(s.sym<UINT32>("evcode_base"), Framework::kLoaderEventCode);

  // State table: any state, init, main; the main state alone has an enter routine.
  ASSERT_EQ(fw.stateCount(), 3u);
  const STATE_HANDLERS_ENTRY_T* table = fw.stateTable();
  EXPECT_EQ(table[0].state, 0);
  EXPECT_EQ(table[1].state, 1);
  EXPECT_EQ(table[2].state, 2);
  EXPECT_EQ(table[0].enter, nullptr);
  EXPECT_EQ(table[1].enter, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(table[2].enter), &s.sym<char>("MainStateEnter"));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(table[i].exit, nullptr);
  const EVENT_HANDLER_ENTRY_T* main = table[2].handlers;
  EXPECT_EQ(main[0].code, EV_TIMER_EXPIRED);
  EXPECT_EQ(main[1].code, EV_KEY_PRESS);
  EXPECT_EQ(main[2].code, EV_CODE_END);
  EXPECT_EQ(table[0].handlers[0].code, EV_REVOKE_TOKEN);
  EXPECT_EQ(table[0].handlers[0].handler, &APP_HandleUITokenRevoked);
  EXPECT_EQ(table[1].handlers[0].code, EV_GRANT_TOKEN);

  for (int b = 0; b < 6; ++b) EXPECT_EQ(s.sett()[b], 0);
  EXPECT_EQ(s.setedit(), 0);
  EXPECT_EQ(s.setmenu(), 0);
  EXPECT_EQ(s.flag("state"), 1);
  for (const char* f : {"OnMenu", "ExitMenu", "About", "Write", "ExitOkNo", "repaint"})
    EXPECT_EQ(s.flag(f), 0) << f;
  EXPECT_EQ(fw.record()->dialog, s.sym<UIS_DIALOG_T>("dialog"));
  EXPECT_NE(fw.record()->dialog, 0u);
  EXPECT_EQ(fw.timers().size(), 1u);

  // Canvas, then the first paint with its fill, then the timer.
  EXPECT_EQ(callNames({"UIS_CreateColorCanvas", "UIS_CanvasFillRect", "APP_UtilStartCyclicalTimer"})
                .front(),
            "UIS_CreateColorCanvas");
  EXPECT_EQ(callNames({"UIS_CanvasFillRect", "APP_UtilStartCyclicalTimer"}).back(),
            "APP_UtilStartCyclicalTimer");
  const auto fills = s.platform().trace().lines({"UIS_CanvasFillRect"});
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills.front().rfind("UIS_CanvasFillRect(0, 0, 176, 208,", 0), 0u) << fills.front();
  EXPECT_EQ(s.platform().trace().lines({"APP_UtilStartCyclicalTimer"}),
            std::vector<std::string>{"APP_UtilStartCyclicalTimer(1000, 0)"});
}

TEST(KavStart, NoRoutingStackMeansNoStart) {
  Session s(phone::testing::SessionOptions{.image = "kav", .load = false});
  s.framework().failRoutingStack(true);
  s.load();
  EXPECT_FALSE(s.framework().running());
  EXPECT_TRUE(s.platform().trace().lines({"APP_InitAppData"}).empty());
  EXPECT_TRUE(s.platform().trace().lines({"APP_Start"}).empty());
}

TEST(KavStart, NoCanvasMeansNoPaintAndNoTimer) {
  Session s(phone::testing::SessionOptions{.image = "kav", .load = false});
  s.platform().dialogs().failCanvasCreation(true);
  s.load();
  EXPECT_EQ(s.framework().currentState(), 2u);
  EXPECT_TRUE(s.framework().timers().empty());
  EXPECT_TRUE(s.platform().trace().lines({"UIS_CanvasFillRect"}).empty());
  EXPECT_EQ(s.sym<UINT8>("repaint"), 1) << "nothing was painted";
}

TEST(KavStart, EnteringTheMainStateAgainWithANonZeroKindDoesNothing) {
  KavSession s;
  s.platform().trace().clear();
  for (uint32_t kind : {1u, 2u, 0x80u})
    EXPECT_EQ(s.framework().enterState(2, kind), std::optional<uint32_t>(0u));
  for (const TraceCall& c : s.platform().trace().calls())
    EXPECT_TRUE(c.name != "UIS_CreateColorCanvas" && c.name != "APP_UtilStartCyclicalTimer" &&
                !isCanvasDrawing(c))
        << c.text();
  EXPECT_EQ(s.framework().timers().size(), 1u);
}

TEST(KavBandsWrap, EveryBandWrapsBothWays) {
  KavSession s;
  const UINT16 largest[6] = {10, 9, 9, 11, 8, 7};
  for (int b = 0; b < 6; ++b) {
    SCOPED_TRACE("band " + std::to_string(b));
    ASSERT_EQ(s.setedit(), b);
    s.press(kUp);
    EXPECT_EQ(s.sett()[b], largest[b]);
    s.press(kDown);
    EXPECT_EQ(s.sett()[b], 0);
    for (int i = 0; i < largest[b]; ++i) s.press(kDown);
    EXPECT_EQ(s.sett()[b], largest[b]);
    s.press(kDown);
    EXPECT_EQ(s.sett()[b], 0);
    s.press(kRight);
  }
  EXPECT_EQ(s.setedit(), 0) << "right from band 5 selects band 0";
  s.press(kLeft);
  EXPECT_EQ(s.setedit(), 5) << "left from band 0 selects band 5";
  for (int b = 0; b < 6; ++b) EXPECT_EQ(s.sett()[b], 0);
}

TEST(KavMenu, HighlightWrapsAndLeavesTheBandsAlone) {
  KavSession s;
  s.press(kMenu);
  ASSERT_EQ(s.flag("OnMenu"), 1);
  s.press(kUp);
  EXPECT_EQ(s.setmenu(), 2);
  s.press(kDown);
  EXPECT_EQ(s.setmenu(), 0);
  s.press({kDown, kDown});
  EXPECT_EQ(s.setmenu(), 2);
  for (int b = 0; b < 6; ++b) EXPECT_EQ(s.sett()[b], 0);
  // Closed and opened again: the menu keeps its highlight.
  s.press({kMenu, kMenu});
  EXPECT_EQ(s.setmenu(), 2);
}

TEST(KavMenu, KeysWithTheMenuOpenRedrawOnlyTheSoftKeyLineAndTheMenu) {
  KavSession s;
  s.press(kMenu);
  for (uint8_t key : {kUp, kDown, kLeft, kRight, kLight, uint8_t(0x41)}) {
    s.platform().trace().clear();
    s.press(key);
    int drawn = 0;
    for (const TraceCall& c : s.platform().trace().calls()) {
      if (!isCanvasDrawing(c)) continue;
      ++drawn;
      // Menu of three items: frame from row 171; the soft-key line rows 208 to 219.
      EXPECT_GE(std::min(c.args[1], c.args[3]), 171) << c.text();
      if (std::min(c.args[1], c.args[3]) < 208) EXPECT_LE(std::max(c.args[0], c.args[2]), 62) << c.text();
    }
    EXPECT_GT(drawn, 0) << "key " << int(key);
  }
}

// Opening an overlay from the menu and closing it again gives back the same screen.
TEST(KavOverlays, EachOpensFromItsItemAndClosesToTheSameScreen) {
  struct Item {
    int downs;
    const char* flag;
  };
  for (const Item& item : {Item{0, "Write"}, Item{1, "About"}, Item{2, "ExitMenu"}}) {
    SCOPED_TRACE(item.flag);
    KavSession s;
    s.press({kDown, kRight, kUp, kUp});  // some band colours
    const auto before = s.display().frame();
    s.press(kMenu);
    for (int i = 0; i < item.downs; ++i) s.press(kDown);
    s.press(kSelect);
    EXPECT_EQ(s.flag(item.flag), 1);
    EXPECT_EQ(s.flag("OnMenu"), 0);
    EXPECT_NE(s.display().frame(), before);
    // The closed menu is gone from under the overlay: its place is background again.
    for (int y = 171; y < 208; ++y)
      for (int x = 0; x <= 62; ++x) ASSERT_EQ(s.pixel(x, y), before[y * 176 + x]) << x << "," << y;
    s.press(kSelect);
    EXPECT_EQ(s.flag(item.flag), 0);
    EXPECT_TRUE(s.framework().running());
    EXPECT_EQ(s.display().frame(), before);
  }
}

std::vector<std::string> exitCalls() {
  return callNames({"PFprintf", "APP_UtilStopTimer", "APP_UtilUISDialogDelete", "APP_Exit",
                    "LdrUnloadELF", "APP_ConsumeEv"});
}

const std::vector<std::string> kExitSequence = {"PFprintf", "APP_UtilStopTimer",
                                                "APP_UtilUISDialogDelete", "APP_Exit",
                                                "LdrUnloadELF"};

TEST(KavExit, YesEndsTheProgram) {
  for (uint8_t move : {kLeft, kRight}) {
    for (uint8_t select : {kSelect, kSoft2}) {
      KavSession s;
      s.press({kMenu, kDown, kDown, kSelect});
      ASSERT_EQ(s.flag("ExitMenu"), 1);
      s.press(move);
      ASSERT_EQ(s.flag("ExitOkNo"), 1);
      const UIS_DIALOG_T canvas = s.framework().record()->dialog;
      const size_t lines = s.debugLines().size();
      s.platform().trace().clear();
      s.press(select);
      std::vector<std::string> expected = {"PFprintf"};  // the key's own line
      expected.insert(expected.end(), kExitSequence.begin(), kExitSequence.end());
      EXPECT_EQ(exitCalls(), expected) << "the key event is not consumed";
      EXPECT_EQ(s.debugSince(lines),
                (std::vector<std::string>{
                    std::string("TARVIK - KeyPress = 0x") + (select == kSelect ? "3d" : "f"),
                    "TARVIK - Exit"}));
      EXPECT_EQ(s.platform().trace().lines({"APP_UtilUISDialogDelete"}).front().rfind(
                    "APP_UtilUISDialogDelete(" + std::to_string(canvas) + ",", 0),
                0u);
      EXPECT_FALSE(s.platform().canvas().valid(canvas));
      EXPECT_TRUE(s.framework().timers().empty());
      EXPECT_EQ(s.framework().status(), ProgramStatus::Unloaded);
      EXPECT_EQ(s.framework().image(), nullptr);
    }
  }
}

TEST(KavExit, SelectRightAwayKeepsTheProgram) {
  KavSession s;
  s.press({kMenu, kDown, kDown, kSelect, kSelect});
  EXPECT_TRUE(s.framework().running());
  EXPECT_EQ(s.flag("ExitMenu"), 0);
  // Left then right is back on "No".
  s.press({kMenu, kSelect, kLeft, kRight, kSelect});
  EXPECT_TRUE(s.framework().running());
}

TEST(KavExit, DestroyAppRunsTheExitSequence) {
  KavSession s;
  s.press({kMenu, kDown});  // in any mode
  const UIS_DIALOG_T canvas = s.framework().record()->dialog;
  const size_t lines = s.debugLines().size();
  s.platform().trace().clear();
  s.framework().destroy();
  EXPECT_EQ(exitCalls(), kExitSequence);
  EXPECT_EQ(s.debugSince(lines), std::vector<std::string>{"TARVIK - Exit"});
  EXPECT_FALSE(s.platform().canvas().valid(canvas));
  EXPECT_TRUE(s.framework().timers().empty());
  EXPECT_EQ(s.framework().image(), nullptr);
}

// A paint without the background fill leaves the same screen as a fresh full paint.
TEST(KavScreen, PaintWithoutFillLeavesNoStaleMarkerOrName) {
  std::vector<uint8_t> keys = {kDown, kDown, kDown, kRight, kUp, kRight, kRight, kRight,
                               kUp,   kRight, kDown, kLeft, kLeft, kLeft};
  KavSession a;
  for (uint8_t k : keys) a.press(k);
  const auto drawn = a.display().frame();
  UINT16 sett[6];
  std::copy(std::begin(a.sett()), std::end(a.sett()), sett);
  const UINT16 setedit = a.setedit();
  ASSERT_EQ(a.platform().trace().lines({"UIS_CanvasFillRect"}).front().rfind(
                "UIS_CanvasFillRect(0, 0, 176, 208,", 0),
            0u);
  EXPECT_EQ(std::count_if(a.platform().trace().calls().begin(), a.platform().trace().calls().end(),
                          [](const TraceCall& c) {
                            return c.text().rfind("UIS_CanvasFillRect(0, 0, 176, 208,", 0) == 0;
                          }),
            1)
      << "only the first paint fills";

  KavSession b;
  std::copy(sett, sett + 6, b.sett());
  b.setedit() = setedit;
  b.press(0x41);  // unhandled: a full paint with fill
  EXPECT_TRUE(b.display().frame() == drawn);
}

TEST(KavTimer, TickRedrawsOnlyTheSoftKeyLine) {
  KavSession s;
  s.mark(20, 40, {255, 0, 255});
  s.platform().trace().clear();
  s.framework().advance(1000);
  EXPECT_EQ(s.pixel(20, 40), (Rgb{255, 0, 255}));
  for (const TraceCall& c : s.platform().trace().calls())
    if (isCanvasDrawing(c)) EXPECT_GE(std::min(c.args[1], c.args[3]), 208) << c.text();
  EXPECT_EQ(s.platform().trace().lines({"UIS_CanvasSetBackLight"}),
            std::vector<std::string>{"UIS_CanvasSetBackLight(1)"});
}

TEST(KavTimer, TickWithTheMenuOpenRedrawsTheMenuWithItsHighlight) {
  KavSession s;
  s.press({kMenu, kDown});
  const auto before = s.display().frame();
  const Rgb bar = s.pixel(40, 190);  // item 1's highlight bar
  s.mark(40, 190, {255, 0, 255});
  s.mark(20, 40, {255, 0, 255});
  s.framework().advance(1000);
  EXPECT_EQ(s.pixel(40, 190), bar);
  EXPECT_EQ(s.pixel(20, 40), (Rgb{255, 0, 255}));
  // Only the clock differs from the screen before the tick.
  for (int y = 0; y < 220; ++y)
    for (int x = 0; x < 176; ++x)
      if ((x != 20 || y != 40) && (x < 100 || y < 208))
        ASSERT_EQ(s.pixel(x, y), before[y * 176 + x]) << x << "," << y;
}

TEST(KavTimer, BacklightKeyTogglesAndEveryTickAppliesIt) {
  KavSession s;
  s.platform().trace().clear();
  s.press(kLight);
  EXPECT_EQ(s.flag("state"), 0);
  s.framework().advance(2000);
  EXPECT_EQ(s.platform().trace().lines({"UIS_CanvasSetBackLight"}),
            (std::vector<std::string>{"UIS_CanvasSetBackLight(0)", "UIS_CanvasSetBackLight(0)",
                                      "UIS_CanvasSetBackLight(0)"}));
  EXPECT_FALSE(s.display().backlight());
  s.press(kLight);
  EXPECT_EQ(s.flag("state"), 1);
  EXPECT_TRUE(s.display().backlight());
}

TEST(KavDebug, EveryKeyCodeWritesItsLine) {
  KavSession s;
  const size_t lines = s.debugLines().size();
  for (int code = 0; code < 256; ++code) s.press(uint8_t(code));
  ASSERT_TRUE(s.framework().running());
  const auto written = s.debugSince(lines);
  ASSERT_EQ(written.size(), 256u);
  for (int code = 0; code < 256; ++code) {
    char expected[40];
    std::snprintf(expected, sizeof expected, "TARVIK - KeyPress = 0x%x", code);
    EXPECT_EQ(written[code], expected);
  }
}

}  // namespace
}  // namespace kav::testing
