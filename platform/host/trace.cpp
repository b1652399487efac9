#include "trace.h"

#include <algorithm>

namespace phone {

std::string TraceCall::text() const {
  std::string out = name + "(";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i) out += ", ";
    out += std::to_string(args[i]);
  }
  return out + ")";
}

std::vector<std::string> Trace::lines(std::initializer_list<std::string_view> names) const {
  std::vector<std::string> out;
  for (const auto& call : calls_) {
    if (names.size() == 0 || std::find(names.begin(), names.end(), call.name) != names.end())
      out.push_back(call.text());
  }
  return out;
}

}  // namespace phone
