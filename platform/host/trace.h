// The call trace: each platform call with its arguments, recorded while enabled.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace phone {

struct TraceCall {
  std::string name;
  std::vector<int64_t> args;

  // "Name(a, b, c)", the form that --trace writes and tests compare.
  std::string text() const;
};

class Trace {
 public:
  void enable(bool on) { enabled_ = on; }
  bool enabled() const { return enabled_; }
  void clear() { calls_.clear(); }

  void record(std::string_view name, std::initializer_list<int64_t> args) {
    if (enabled_) calls_.push_back({std::string(name), args});
  }
  // A call whose arguments vary in number (points, rectangles).
  void record(TraceCall call) {
    if (enabled_) calls_.push_back(std::move(call));
  }

  const std::vector<TraceCall>& calls() const { return calls_; }
  // Calls whose name is one of `names` (all calls when empty), one text() per entry.
  std::vector<std::string> lines(std::initializer_list<std::string_view> names = {}) const;
  // Writes every call, one text() a line. Throws std::runtime_error naming the path and the
  // cause when it cannot.
  void writeTo(const std::filesystem::path& path) const;

 private:
  bool enabled_ = false;
  std::vector<TraceCall> calls_;
};

}  // namespace phone
