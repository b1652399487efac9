// Readers of the display and the call trace for the toolkit tests, beside the drawing tests'
// pixelsOf, box and outline.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display.h"
#include "platform.h"
#include "tests/drawing/pixels.h"

namespace phone::testing::ui {

inline Pixels join(Pixels a, const Pixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

inline Pixels minus(Pixels a, const Pixels& b) {
  for (auto p : b) a.erase(p);
  return a;
}

inline bool contains(const Pixels& all, const Pixels& part) {
  return std::includes(all.begin(), all.end(), part.begin(), part.end());
}

// Pixels of `of` that lie in `area`.
inline Pixels within(const Pixels& of, const Pixels& area) {
  Pixels out;
  for (auto p : of)
    if (area.contains(p)) out.insert(p);
  return out;
}

struct Bounds {
  int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

inline Bounds boundsOf(const Pixels& pixels) {
  if (pixels.empty()) return {};
  Bounds b{Display::kWidth, Display::kHeight, -1, -1};
  for (auto [x, y] : pixels) {
    b.x1 = std::min(b.x1, x);
    b.y1 = std::min(b.y1, y);
    b.x2 = std::max(b.x2, x);
    b.y2 = std::max(b.y2, y);
  }
  return b;
}

inline std::ostream& operator<<(std::ostream& out, const Bounds& b) {
  return out << "(" << b.x1 << ", " << b.y1 << ")-(" << b.x2 << ", " << b.y2 << ")";
}

// The recorded calls with one of `names`, as "Name(a, b)"; the trace is cleared afterwards.
inline std::vector<std::string> takeCalls(std::initializer_list<std::string_view> names = {}) {
  auto lines = platform().trace().lines(names);
  platform().trace().clear();
  return lines;
}

// The arguments of the recorded calls named `name`.
inline std::vector<std::vector<int64_t>> argsOf(std::string_view name) {
  std::vector<std::vector<int64_t>> out;
  for (const auto& call : platform().trace().calls())
    if (call.name == name) out.push_back(call.args);
  return out;
}

}  // namespace phone::testing::ui
