#include "trace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

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

void Trace::writeTo(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) {
    for (const auto& call : calls_) out << call.text() << '\n';
    out.flush();
  }
  if (!out)
    throw std::runtime_error("cannot write the trace to " + path.string() + ": " +
                             std::strerror(errno));
}

}  // namespace phone
