// The language chosen for the phone: "en" for English, "#ru" for Russian.
#pragma once

#include <string>

namespace phone {

class Language {
 public:
  const std::string& code() const { return code_; }
  // A code of at most 7 bytes (it must fit the program's 8-byte area with its NUL);
  // throws std::invalid_argument otherwise.
  void set(std::string code);
  void reset() { code_ = "en"; }

 private:
  std::string code_ = "en";
};

}  // namespace phone
