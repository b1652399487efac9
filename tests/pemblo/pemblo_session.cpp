#include "pemblo_session.h"

#include <filesystem>
#include <stdexcept>

#include "editor.h"
#include "framework.h"

namespace pemblo_test {

std::string join(const std::vector<std::string>& records) {
  std::string out;
  for (size_t i = 0; i < records.size(); ++i) {
    if (i) out += "\r\n";
    out += records[i];
  }
  return out;
}

std::vector<std::string> numbered(int n, const std::string& prefix) {
  std::vector<std::string> out;
  for (int i = 1; i <= n; ++i) out.push_back(prefix + std::to_string(i));
  return out;
}

std::u16string widen(const std::string& bytes) {
  std::u16string out;
  for (unsigned char b : bytes) out += static_cast<char16_t>(b);
  return out;
}

namespace {

phone::testing::SessionOptions sessionOptions(const Options& o) {
  phone::testing::SessionOptions s;
  s.image = "pemblo";
  s.language = o.language;
  if (o.list) s.files[kList] = *o.list;
  s.load = o.load;
  return s;
}

}  // namespace

Pemblo::Pemblo(Options options) : session_(sessionOptions(options)) {}

bool Pemblo::listExists() const { return std::filesystem::exists(session_.dir() / kList); }

void Pemblo::select(uint32_t s) {
  if (s == 0) throw std::invalid_argument("records count from 1");
  var<UINT8>("pg") = static_cast<UINT8>((s - 1) / 12);
  var<UINT8>("set") = static_cast<UINT8>((s - 1) % 12 + 1);
}

std::u16string Pemblo::bf() { return std::u16string(reinterpret_cast<char16_t*>(&var<WCHAR>("bf"))); }

void Pemblo::call(const char* routine) { var<void()>(routine)(); }

void Pemblo::choose(uint16_t item) {
  key(kMenu);
  int guard = 0;
  while (setmenu() != item) {
    key(kDown);
    if (++guard > 10) throw std::runtime_error("menu item out of reach");
  }
  key(kSelect);
}

bool Pemblo::editorOpen() { return platform().editor().isOpen(); }

std::u16string Pemblo::editorText() { return platform().editor().text(); }

void Pemblo::type(const std::u16string& text) {
  if (!platform().editor().type(text)) throw std::runtime_error("no editor open to type into");
}

void Pemblo::ok() {
  if (!platform().editor().ok()) throw std::runtime_error("no editor open to confirm");
}

void Pemblo::back() {
  if (!platform().editor().back()) throw std::runtime_error("no editor open to leave");
}

void Pemblo::editLine(const std::optional<std::u16string>& text) {
  choose(kEditLine);
  if (text) type(*text);
  ok();
}

void Pemblo::addLine(const std::optional<std::u16string>& text) {
  choose(kAddLine);
  if (text) type(*text);
  ok();
}

}  // namespace pemblo_test
