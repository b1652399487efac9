#include "log.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include <phone/sys.h>

#include "platform.h"

namespace phone {

void DebugLog::print(std::string_view text) {
  if (echo_) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
  }
  // Each newline ends a line; text after the last one is a line of its own, so that every
  // call is visible at once.
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    if (nl == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      break;
    }
    lines_.emplace_back(text.substr(start, nl - start));
    start = nl + 1;
  }
}

void DebugLog::platform(std::string_view text) { print("platform: " + std::string(text) + "\n"); }

}  // namespace phone

extern "C" void PFprintf(const char* format, ...) {
  auto& p = phone::platform();
  p.trace().record("PFprintf", {format != nullptr});
  if (!format) return;
  char buffer[1024];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return;
  p.log().print(std::string_view(buffer, std::min<size_t>(size_t(n), sizeof buffer - 1)));
}
