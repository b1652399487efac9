#include "golden.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "display.h"
#include "platform.h"

namespace phone::testing {

namespace fs = std::filesystem;

namespace {

bool updateRequested() {
  const char* value = std::getenv("PHONE_UPDATE_GOLDEN");
  return value && std::string(value) == "1";
}

std::string hex(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

// Writes `display` to `path`, making its directory first; returns a note for the failure text.
std::string save(const fs::path& path, const Display& display) {
  try {
    fs::create_directories(path.parent_path());
    writePng(path, display);
    return path.string();
  } catch (const std::exception& e) {
    return std::string("(not written: ") + e.what() + ")";
  }
}

}  // namespace

::testing::AssertionResult matchesGolden(const std::string& name, bool rgb565) {
  const Display& display = platform().display();
  const fs::path reference = fs::path(PHONE_GOLDEN_DIR) / (name + ".png");
  const fs::path outputs = fs::path(PHONE_TEST_OUTPUT_DIR) / "golden";

  if (updateRequested()) {
    try {
      fs::create_directories(reference.parent_path());
      writePng(reference, display);
    } catch (const std::exception& e) {
      return ::testing::AssertionFailure() << "cannot update golden screen: " << e.what();
    }
    return ::testing::AssertionSuccess() << "golden screen " << reference << " rewritten";
  }

  if (!fs::exists(reference)) {
    const std::string actual = save(outputs / (name + ".actual.png"), display);
    return ::testing::AssertionFailure()
           << "no golden screen " << reference.string() << "; the display is in " << actual
           << ". To create the reference from the current display, run the test again with "
              "PHONE_UPDATE_GOLDEN=1 in the environment and look at the picture before "
              "committing it.";
  }

  int width = 0, height = 0;
  std::vector<Rgb> expected;
  try {
    expected = readPng(reference, width, height);
  } catch (const std::exception& e) {
    return ::testing::AssertionFailure() << e.what();
  }
  if (width != Display::kWidth || height != Display::kHeight) {
    return ::testing::AssertionFailure()
           << "golden screen " << reference.string() << " is " << width << " x " << height
           << ", not " << Display::kWidth << " x " << Display::kHeight;
  }

  auto diff = std::make_unique<Display>();
  long count = 0;
  std::ostringstream first;
  for (int y = 0; y < Display::kHeight; ++y) {
    for (int x = 0; x < Display::kWidth; ++x) {
      const Rgb want = expected[y * Display::kWidth + x];
      const Rgb got = display.pixel(x, y);
      const bool same = rgb565 ? narrow565(want) == narrow565(got) : want == got;
      if (same) {
        // Matching pixels are shown faint, so the differences stand out in red.
        const uint8_t grey = static_cast<uint8_t>((got.r + got.g + got.b) / 12);
        diff->set(x, y, Rgb{grey, grey, grey});
        continue;
      }
      diff->set(x, y, Rgb{255, 0, 0});
      if (count++ == 0)
        first << "(" << x << ", " << y << ") is " << hex(got) << ", expected " << hex(want);
    }
  }
  if (count == 0) return ::testing::AssertionSuccess();

  const std::string actual = save(outputs / (name + ".actual.png"), display);
  const std::string diffPath = save(outputs / (name + ".diff.png"), *diff);
  return ::testing::AssertionFailure()
         << "display differs from golden screen " << reference.string()
         << (rgb565 ? " (compared in 5-6-5)" : "") << " in " << count
         << " pixels; first pixel " << first.str() << ". Actual: " << actual
         << ", differences: " << diffPath;
}

void expectGolden(const std::string& name, bool rgb565, std::source_location where) {
  const ::testing::AssertionResult result = matchesGolden(name, rgb565);
  if (!result) ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << result.message();
}

}  // namespace phone::testing
