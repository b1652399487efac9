// Helpers for driving the fixture program.
#pragma once

#include <string>
#include <vector>

#include "session.h"

namespace phone::testing {

// Fixture keys (tests/fixture/fixture.cpp).
enum FixtureKey : uint8_t {
  kWrite = 0x01, kRead = 0x02, kLeak = 0x03, kZero = 0x04, kAdd = 0x05, kEdit = 0x06,
  kTimer = 0x07, kStop = 0x08, kExit = 0x09, kCrash = 0x0A, kMark = 0x0B,
};
constexpr uint32_t kProbe = 0x5001;

// Debug lines written from index `from` on.
inline std::vector<std::string> linesFrom(Session& s, size_t from) {
  const auto& all = s.debugLines();
  return {all.begin() + std::min(from, all.size()), all.end()};
}

// The lines that one action writes.
template <class F>
std::vector<std::string> linesOf(Session& s, F&& action) {
  size_t from = s.debugLines().size();
  action();
  return linesFrom(s, from);
}

}  // namespace phone::testing
