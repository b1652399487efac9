// The main screen and its overlays as a person sees them: the resistor's parts at their
// places and colours, and golden screens of every view.
#include <string>

#include "golden.h"
#include "kav_session.h"

namespace kav::testing {
namespace {

using phone::testing::expectGolden;

const Rgb kBlack{0, 0, 0};
const Rgb kBody = rgb(0x20101000);
const Rgb kYellow = rgb(0xFFFF0000);
const Rgb kFrame = rgb(0x55555500);

TEST(KavScreen, StartScreenShowsTheResistorInItsLoadColours) {
  KavSession s;
  // Bands black, black, black, black (framed), grey, brown.
  const Rgb inside[6] = {kBlack, kBlack, kBlack, kBlack, rgb(0x20202000), rgb(0x55110000)};
  for (int b = 0; b < 6; ++b) {
    const int x = 33 + 20 * b;
    SCOPED_TRACE("band " + std::to_string(b));
    EXPECT_EQ(s.pixel(x + 5, 47), inside[b]);
    const Rgb edge = b < 4 ? kFrame : inside[b];
    EXPECT_EQ(s.pixel(x, 47), edge);
    EXPECT_EQ(s.pixel(x + 10, 47), edge);
    EXPECT_EQ(s.pixel(x + 5, 30), edge);
    EXPECT_EQ(s.pixel(x + 5, 65), edge);
  }
  // Body: end caps over the full height, the middle between the band rows.
  EXPECT_EQ(s.pixel(16, 21), kBody);
  EXPECT_EQ(s.pixel(158, 74), kBody);
  EXPECT_EQ(s.pixel(30, 40), kBody);
  EXPECT_EQ(s.pixel(30, 22), kBlack);
  EXPECT_EQ(s.pixel(100, 70), kBlack);
  // Leads.
  EXPECT_EQ(s.pixel(6, 47), rgb(0x99999900));
  EXPECT_EQ(s.pixel(168, 47), rgb(0x99999900));
  // Markers over band 0 only.
  for (int x = 33; x <= 43; ++x) {
    EXPECT_EQ(s.pixel(x, 25), kYellow) << x;
    EXPECT_EQ(s.pixel(x, 71), kYellow) << x;
  }
  EXPECT_EQ(s.pixel(44, 25), kBlack);
  EXPECT_EQ(s.pixel(53, 25), kBlack);
  // Background.
  EXPECT_EQ(s.pixel(2, 100), kBlack);
  EXPECT_EQ(s.pixel(170, 200), kBlack);
  expectGolden("kav_main_start");
}

TEST(KavScreen, MarkersFollowTheSelectedBandAndANoBandIsInvisible) {
  KavSession s;
  s.press({kUp, kLeft});  // band 0 "[no]", band 5 selected
  for (int x = 133; x <= 143; ++x) EXPECT_EQ(s.pixel(x, 25), kYellow) << x;
  for (int x = 33; x <= 43; ++x) EXPECT_EQ(s.pixel(x, 71), kBlack) << x;
  for (int x = 33; x <= 43; ++x) EXPECT_EQ(s.pixel(x, 47), kBody) << x;
  s.press({kUp});  // band 5 at "[no]" as well
  for (int x = 133; x <= 143; ++x) EXPECT_EQ(s.pixel(x, 30), kBody) << x;
}

// Several band settings: the colours and the selected band's name.
TEST(KavScreenGolden, MainScreenWithBandSettings) {
  {
    KavSession s;  // yellow violet black brown gold [no]: 4,7 K, 5 %; "gold" selected
    s.press({kDown, kDown, kDown, kDown, kRight, kUp, kUp, kUp, kRight, kRight, kDown, kRight,
             kUp, kUp, kUp, kRight, kUp, kLeft});
    expectGolden("kav_main_bands_1");
  }
  {
    KavSession s;  // [no] white white sliver sliver white; "sliver" of the multiplier selected
    s.press({kUp, kRight, kUp, kRight, kUp, kRight, kUp, kRight, kUp, kUp, kRight, kUp, kUp,
             kLeft, kLeft});
    expectGolden("kav_main_bands_2");
  }
}

TEST(KavScreenGolden, MenuOpen) {
  KavSession s;
  s.press({kDown, kMenu, kDown});
  expectGolden("kav_menu");
}

TEST(KavScreenGolden, ResultWindow) {
  KavSession s;
  s.press({kDown, kDown, kDown, kDown, kRight, kUp, kUp, kUp, kRight, kRight, kDown, kRight,
           kUp, kUp, kUp, kMenu, kSelect});
  ASSERT_EQ(s.flag("Write"), 1);
  expectGolden("kav_result");
}

TEST(KavScreenGolden, AboutBox) {
  KavSession s;
  s.press({kMenu, kDown, kSelect});
  ASSERT_EQ(s.flag("About"), 1);
  expectGolden("kav_about");
}

TEST(KavScreenGolden, ExitConfirmation) {
  KavSession s;
  s.press({kMenu, kUp, kSelect});
  ASSERT_EQ(s.flag("ExitMenu"), 1);
  expectGolden("kav_exit_no");
  s.press(kLeft);
  expectGolden("kav_exit_yes");
}

}  // namespace
}  // namespace kav::testing
