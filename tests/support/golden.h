// Golden screens: the display compared with a reference PNG under tests/golden.
#pragma once

#include <source_location>
#include <string>

#include <gtest/gtest.h>

namespace phone::testing {

// Compares the display with tests/golden/NAME.png, pixel for pixel (or in 5-6-5 when the screen
// went through the 5-6-5 drawing surface). A missing reference fails. On a mismatch writes
// NAME.actual.png and NAME.diff.png into the test output directory and names the first differing
// pixel and the number of differing pixels. With PHONE_UPDATE_GOLDEN=1 in the environment the
// reference is rewritten from the display instead.
::testing::AssertionResult matchesGolden(const std::string& name, bool rgb565 = false);

// EXPECT_TRUE(matchesGolden(name, rgb565)), reported at the caller's line.
void expectGolden(const std::string& name, bool rgb565 = false,
                  std::source_location where = std::source_location::current());

}  // namespace phone::testing
