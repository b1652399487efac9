// Screenshots: PNG files of the display.
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <gtest/gtest.h>

#include "display.h"
#include "platform.h"

namespace phone::testing {
namespace {

namespace fs = std::filesystem;

class PngTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform().reset();
    dir = fs::path(PHONE_TEST_OUTPUT_DIR) / "png" /
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    Display& d = platform().display();
    for (int y = 0; y < Display::kHeight; ++y)
      for (int x = 0; x < Display::kWidth; ++x)
        d.set(x, y, Rgb{uint8_t(x), uint8_t(y), uint8_t(x ^ y)});
  }
  static std::string bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  fs::path dir;
};

TEST_F(PngTest, RoundTripsEveryPixelAndRepeatsItsBytes) {
  writePng(dir / "a.png", platform().display());
  writePng(dir / "b.png", platform().display());
  EXPECT_EQ(bytes(dir / "a.png"), bytes(dir / "b.png"));

  int w = 0, h = 0;
  const std::vector<Rgb> back = readPng(dir / "a.png", w, h);
  ASSERT_EQ(w, Display::kWidth);
  ASSERT_EQ(h, Display::kHeight);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(back[y * w + x], platform().display().pixel(x, y));
}

TEST_F(PngTest, ScaleEnlargesEachPixelToASquare) {
  writePng(dir / "big.png", platform().display(), 3);
  int w = 0, h = 0;
  const std::vector<Rgb> back = readPng(dir / "big.png", w, h);
  ASSERT_EQ(w, 3 * Display::kWidth);
  ASSERT_EQ(h, 3 * Display::kHeight);
  for (auto [x, y] : {std::pair{0, 0}, {17, 23}, {175, 219}})
    for (int dy = 0; dy < 3; ++dy)
      for (int dx = 0; dx < 3; ++dx)
        EXPECT_EQ(back[(3 * y + dy) * w + 3 * x + dx], platform().display().pixel(x, y));
}

TEST_F(PngTest, ErrorsNameThePathAndTheCause) {
  const fs::path notPng = dir / "text.png";
  std::ofstream(notPng) << "not a picture";
  struct Case { std::function<void()> call; fs::path path; std::string cause; };
  int w = 0, h = 0;
  const Case cases[] = {
      {[&] { writePng(dir / "missing" / "a.png", platform().display()); },
       dir / "missing" / "a.png", "No such file or directory"},
      {[&] { readPng(dir / "missing.png", w, h); }, dir / "missing.png",
       "No such file or directory"},
      {[&] { readPng(notPng, w, h); }, notPng, "PNG"},
      {[&] { writePng(dir / "a.png", platform().display(), 0); }, dir / "a.png", "scale"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no error for " << c.path;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.path.string()), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.cause), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace phone::testing
