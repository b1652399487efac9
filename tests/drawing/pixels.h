// Small readers of the display for the drawing tests.
#pragma once

#include <set>
#include <utility>

#include "display.h"
#include "platform.h"

namespace phone::testing {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of the display that has `colour`.
inline Pixels pixelsOf(Rgb colour) {
  Pixels out;
  const Display& d = platform().display();
  for (int y = 0; y < Display::kHeight; ++y)
    for (int x = 0; x < Display::kWidth; ++x)
      if (d.pixel(x, y) == colour) out.insert({x, y});
  return out;
}

// Every pixel of the box from (x1, y1) to (x2, y2) inclusive, cut to the screen.
inline Pixels box(int x1, int y1, int x2, int y2) {
  Pixels out;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (x >= 0 && y >= 0 && x < Display::kWidth && y < Display::kHeight) out.insert({x, y});
  return out;
}

// The outline of that box.
inline Pixels outline(int x1, int y1, int x2, int y2) {
  Pixels out;
  for (auto [x, y] : box(x1, y1, x2, y2))
    if (x == x1 || x == x2 || y == y1 || y == y2) out.insert({x, y});
  return out;
}

}  // namespace phone::testing
