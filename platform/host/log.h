// Debug lines: PFprintf output and the platform's own diagnostics, kept for tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace phone {

class DebugLog {
 public:
  // A program's debug print: echoed to standard error, split into lines.
  void print(std::string_view text);
  // The platform's own diagnostic (a misuse it refused, a division by zero): a line that
  // begins "platform: ".
  void platform(std::string_view text);

  const std::vector<std::string>& lines() const { return lines_; }
  void clear() { lines_.clear(); pending_.clear(); }
  // Standard error echo (on by default).
  void setEcho(bool on) { echo_ = on; }

 private:
  std::vector<std::string> lines_;
  std::string pending_;
  bool echo_ = true;
};

}  // namespace phone
