// A list editor session: the image loaded afresh into a platform just switched on, with its list
// file in a temporary directory, and short ways to press keys, drive the character editor and
// read the program's state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <phone/types.h>

#include "session.h"

namespace pemblo_test {

inline constexpr const char* kList = "BlackList.txt";
inline constexpr const char* kDefault = "+80501234567 info";

enum Key : uint8_t {
  kUp = 0x2C,
  kDown = 0x2D,
  kLeft = 0x2E,
  kRight = 0x2F,
  kMenu = 0x0E,
  kSoft2 = 0x0F,
  kSelect = 0x3D,
  kLight = 0x0A,
  kEnd = 0x11,
};

enum Item : uint16_t { kEditLine = 0, kDelete = 1, kAddLine = 2, kAbout = 3, kExit = 4 };

// Records joined by CR LF, as the program writes them.
std::string join(const std::vector<std::string>& records);
// "R1", "R2", ... "Rn".
std::vector<std::string> numbered(int n, const std::string& prefix = "R");

struct Options {
  std::optional<std::string> list;  // the list file before start; none: missing
  std::string language = "en";
  bool load = true;
};

class Pemblo {
 public:
  explicit Pemblo(Options options = {});
  explicit Pemblo(const std::string& list) : Pemblo(Options{.list = list}) {}

  phone::testing::Session& session() { return session_; }
  phone::Platform& platform() { return session_.platform(); }
  phone::Framework& framework() { return session_.framework(); }

  std::string list() const { return session_.file(kList); }
  void setList(const std::string& bytes) { session_.writeFile(kList, bytes); }
  bool listExists() const;

  template <class T>
  T& var(const char* name) {
    return session_.sym<T>(name);
  }
  uint8_t len() { return var<UINT8>("len"); }
  uint8_t pg() { return var<UINT8>("pg"); }
  uint8_t set() { return var<UINT8>("set"); }
  uint32_t selected() { return pg() * 12u + set(); }
  // Puts the selection on record s (counted from 1) as the key moves would.
  void select(uint32_t s);
  std::string buf() { return &var<char>("buf"); }
  std::u16string bf();
  uint16_t setmenu() { return var<UINT16>("setmenu"); }
  uint32_t state() { return framework().currentState(); }
  bool running() { return framework().running(); }

  // Calls a routine of the image that takes no arguments.
  void call(const char* routine);

  void key(uint8_t code) { framework().pressKey(code); }
  void keys(std::initializer_list<uint8_t> codes) {
    for (auto c : codes) key(c);
  }
  // Opens the menu, moves its highlight to `item` and chooses it.
  void choose(uint16_t item);
  // The character editor: open it through the menu item, type (when given) and confirm.
  void editLine(const std::optional<std::u16string>& text);
  void addLine(const std::optional<std::u16string>& text);
  bool editorOpen();
  std::u16string editorText();
  void type(const std::u16string& text);
  void ok();
  void back();
  void repaint() { framework().sendEvent(0x14); }

 private:
  phone::testing::Session session_;
};

// The bytes of a text as 16-bit units of the same value (how the program widens its text).
std::u16string widen(const std::string& bytes);

}  // namespace pemblo_test
