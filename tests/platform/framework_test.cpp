// The framework through the fixture program: start, states, dispatch, added events, timers,
// exit and reload.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "canvas.h"
#include "dialogs.h"
#include "editor.h"
#include "fixture_session.h"
#include "memory.h"
#include "resources.h"

namespace phone::testing {
namespace {

using ::testing::ElementsAre;
using Lines = std::vector<std::string>;

TEST(Framework, StartsAndGrantsTheTokenIntoTheMainState) {
  Session s;
  EXPECT_THAT(s.debugLines(), ElementsAre("register", "start", "enter 1 kind 0",
                                          "token 0 status 2", "exit 1 kind 0", "enter 2 kind 0",
                                          "repaint"));
  auto& fw = s.framework();
  EXPECT_EQ(fw.status(), ProgramStatus::Running);
  EXPECT_EQ(fw.currentState(), 2u);
  EXPECT_EQ(fw.appName(), "fixture");
  EXPECT_EQ(fw.stateCount(), 4u);
  ASSERT_NE(fw.record(), nullptr);
  EXPECT_EQ(fw.record()->token_status, TOKEN_STATUS_HELD);
  EXPECT_TRUE(s.platform().canvas().valid(fw.record()->dialog));
  // One code was assigned to the -2 entry, so the program registered the next one.
  EXPECT_THAT(fw.registeredCodes(), ElementsAre(Framework::kLoaderEventCode + 1));
  EXPECT_THAT(s.platform().trace().lines({"LdrStartApp"}),
              ElementsAre("LdrStartApp(" + std::to_string(Framework::kLoaderEventCode + 1) + ")"));
  // The token grant comes before the one repaint request.
  EXPECT_THAT(s.platform().trace().lines({"APP_HandleEvent"}),
              ElementsAre("APP_HandleEvent(30)", "APP_HandleEvent(20)"));
}

TEST(Framework, AnEntryMarkedForAssignmentHandlesTheLoadersCode) {
  Session s;
  auto lines = linesOf(s, [&] { s.framework().sendEvent(Framework::kLoaderEventCode); });
  EXPECT_THAT(lines, ElementsAre("assigned 0x20000000"));
}

TEST(Framework, DispatchRunsTheStateListThenTheAnyStateListUntilConsumed) {
  struct Case {
    uint8_t consume;
    Lines expected;
  };
  for (const Case& c : {Case{0, {"probe A", "probe B", "probe any"}}, Case{1, {"probe A"}}}) {
    Session s;
    s.sym<UINT8>("consume_first") = c.consume;
    EXPECT_EQ(linesOf(s, [&] { s.framework().sendEvent(kProbe); }), c.expected)
        << "consume " << int(c.consume);
  }
}

TEST(Framework, AnyStateHandlersHoldInEveryState) {
  Session s;
  s.framework().pressKey(kEdit);
  ASSERT_EQ(s.framework().currentState(), 3u);
  EXPECT_THAT(linesOf(s, [&] { s.framework().sendEvent(kProbe); }), ElementsAre("probe any"));
  EXPECT_THAT(linesOf(s, [&] { s.framework().sendEvent(EV_REPAINT); }), ElementsAre("repaint"));
}

TEST(Framework, AddedEventsComeRightBehindTheCurrentOneInOrder) {
  Session s;
  auto& fw = s.framework();
  auto lines = linesOf(s, [&] {
    fw.post(Framework::keyEvent(kAdd));
    fw.post(Framework::event(kProbe));
    fw.run();
  });
  EXPECT_THAT(lines, ElementsAre("key 0x05", "added", "event 0x5002", "event 0x5003", "probe A",
                                 "probe B", "probe any"));
}

TEST(Framework, StateChangeRunsTheOldExitThenTheNewEnterWithKindZero) {
  Session s;
  EXPECT_THAT(linesOf(s, [&] { s.framework().pressKey(kEdit); }),
              ElementsAre("key 0x06", "exit 2 kind 0", "enter 3 kind 0"));
  EXPECT_THAT(linesOf(s, [&] { s.platform().editor().back(); }),
              ElementsAre("edit back", "exit 3 kind 0", "enter 2 kind 0"));
}

TEST(Framework, TheHostEntersAndExitsStatesWithAChosenKind) {
  Session s;
  auto& fw = s.framework();
  UIS_DIALOG_T canvas = fw.record()->dialog;
  // A resumption does not make a new canvas.
  EXPECT_EQ(fw.enterState(2, 1), 0u);
  EXPECT_EQ(fw.record()->dialog, canvas);
  EXPECT_EQ(s.debugLines().back(), "enter 2 kind 1");
  EXPECT_EQ(fw.exitState(2, 1), 0u);
  EXPECT_EQ(s.debugLines().back(), "exit 2 kind 1");
  EXPECT_EQ(fw.enterState(0, 0), std::nullopt);  // the any state has no enter routine
}

TEST(Framework, TimerTicksFireEachAtItsOwnTimeUnderVirtualTime) {
  Session s(SessionOptions{.clock = {12, 0, 0}});
  auto& fw = s.framework();
  fw.pressKey(kTimer);
  auto lines = linesOf(s, [&] { fw.advance(1000); });
  EXPECT_EQ(s.sym<UINT32>("ticks"), 10u);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[8], "tick 12:00:00");  // at 900 ms
  EXPECT_EQ(lines[9], "tick 12:00:01");  // at 1000 ms
  EXPECT_EQ(s.platform().clock().now(), 1000u);

  // Small steps add up: ticks at 1100 and 1200 ms.
  for (int i = 0; i < 4; ++i) fw.advance(50);
  EXPECT_EQ(s.sym<UINT32>("ticks"), 12u);

  fw.pressKey(kStop);
  fw.advance(5000);
  EXPECT_EQ(s.sym<UINT32>("ticks"), 12u);
  EXPECT_TRUE(fw.timers().empty());
}

TEST(Framework, NoTimeMovesWithoutTheScript) {
  Session s;
  s.framework().pressKey(kTimer);
  s.framework().pressKey(0x40);
  EXPECT_EQ(s.sym<UINT32>("ticks"), 0u);
  EXPECT_EQ(s.platform().clock().now(), 0u);
}

TEST(Framework, ExitStopsEventsAndUnloadsAfterTheCallReturns) {
  Session s;
  auto& fw = s.framework();
  fw.pressKey(kTimer);
  EXPECT_THAT(linesOf(s, [&] { fw.pressKey(kExit); }), ElementsAre("key 0x09", "destroy"));
  EXPECT_EQ(fw.status(), ProgramStatus::Unloaded);
  EXPECT_EQ(fw.image(), nullptr);
  EXPECT_EQ(s.platform().resources().count(), 0u);  // the title resource was cleared
  EXPECT_TRUE(linesOf(s, [&] {
                fw.pressKey(0x40);
                fw.advance(1000);
              }).empty());
}

TEST(Framework, DestroyCallsTheProgramsExitRoutine) {
  Session s;
  EXPECT_THAT(linesOf(s, [&] { s.framework().destroy(); }), ElementsAre("destroy"));
  EXPECT_EQ(s.framework().status(), ProgramStatus::Unloaded);
}

TEST(Framework, AReloadStartsFromTheImagesLoadTimeState) {
  Session s;
  s.framework().pressKey(kMark);
  ASSERT_EQ(s.sym<UINT32>("marker"), 0x5678u);
  s.load();
  EXPECT_EQ(s.sym<UINT32>("marker"), 0x1234u);
  EXPECT_EQ(s.framework().currentState(), 2u);
  // The -2 entry was still -2 at load, so the same code was assigned again.
  EXPECT_THAT(s.framework().registeredCodes(), ElementsAre(Framework::kLoaderEventCode + 1));
  EXPECT_THAT(linesOf(s, [&] { s.framework().sendEvent(Framework::kLoaderEventCode); }),
              ElementsAre("assigned 0x20000000"));
}

TEST(Framework, NoRoutingStackMeansNoStart) {
  Session s(SessionOptions{.load = false});
  s.framework().failRoutingStack(true);
  s.load();
  EXPECT_THAT(s.debugLines(), ElementsAre("register", "start"));
  EXPECT_EQ(s.framework().status(), ProgramStatus::Loaded);
  EXPECT_EQ(s.framework().record(), nullptr);
  EXPECT_TRUE(linesOf(s, [&] { s.framework().sendEvent(kProbe); }).empty());
}

TEST(Framework, AFailedCanvasLeavesTheSlotEmpty) {
  Session s(SessionOptions{.load = false});
  s.platform().dialogs().failCanvasCreation(true);
  s.load();
  EXPECT_EQ(s.sym<UINT32>("canvas_result"), 1u);
  EXPECT_EQ(s.framework().record()->dialog, 0u);
  EXPECT_THAT(s.debugLines(), ::testing::Contains("no canvas"));
}

TEST(Framework, MisusedCallsAreRefusedAndLeaveTheProgramAsItWas) {
  Session s;
  auto& fw = s.framework();
  EVENT_STACK_T* st = fw.eventStack();
  APPLICATION_T* app = fw.record();
  int local = 0;
  EXPECT_NE(APP_UtilChangeState(9, st, app), 0u);
  EXPECT_EQ(fw.currentState(), 2u);
  EXPECT_NE(APP_UtilChangeState(3, st, nullptr), 0u);
  EXPECT_NE(APP_UtilStartCyclicalTimer(0, 1, app), 0u);
  EXPECT_TRUE(fw.timers().empty());
  EXPECT_EQ(APP_InitAppData(APP_HandleEvent, 0x40, 0, 0, 1, 1, 1, 1, 0), nullptr);
  EXPECT_NE(LdrStartApp(0x1234), 0u);
  EXPECT_NE(LdrUnloadELF(&local), 0u);
  EXPECT_EQ(fw.status(), ProgramStatus::Running);
  EXPECT_THAT(s.debugLines(), ::testing::Contains(::testing::StartsWith("platform: ")));
}

TEST(Framework, LoadingAMissingImageNamesTheCause) {
  Session s(SessionOptions{.load = false});
  try {
    s.framework().load(s.dir() / "none.so", "x");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_THAT(e.what(), ::testing::HasSubstr("none.so"));
  }
  EXPECT_EQ(s.framework().status(), ProgramStatus::Unloaded);
}

}  // namespace
}  // namespace phone::testing
