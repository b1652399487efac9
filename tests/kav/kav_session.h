// A calculator session: the image "kav" loaded afresh, with its state and routines by name.
#pragma once

#include <phone.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display.h"
#include "framework.h"
#include "log.h"
#include "session.h"

namespace kav::testing {

using phone::Rgb;
using phone::testing::Session;

// Key codes of the calculator.
inline constexpr uint8_t kUp = 0x2C, kDown = 0x2D, kLeft = 0x2E, kRight = 0x2F, kMenu = 0x0E,
                         kSoft2 = 0x0F, kSelect = 0x3D, kLight = 0x0A;

// The platform's canvas colour 0xRRGGBB00 as a display pixel.
inline Rgb rgb(uint32_t colour) {
  return Rgb{uint8_t(colour >> 24), uint8_t(colour >> 16), uint8_t(colour >> 8)};
}

class KavSession : public Session {
 public:
  KavSession() : Session("kav") { platform().log().setEcho(false); }

  UINT8& flag(const char* name) { return sym<UINT8>(name); }
  UINT16 (&sett())[6] { return sym<UINT16[6]>("sett"); }
  UINT16& setedit() { return sym<UINT16>("setedit"); }
  UINT16& setmenu() { return sym<UINT16>("setmenu"); }

  void press(uint8_t key) { framework().pressKey(key); }
  void press(std::initializer_list<uint8_t> keys) {
    for (uint8_t k : keys) press(k);
  }
  Rgb pixel(int x, int y) { return display().pixel(x, y); }
  void mark(int x, int y, Rgb colour) { display().set(x, y, colour); }

  std::vector<std::string> debugSince(size_t from) {
    const auto& all = debugLines();
    return {all.begin() + std::min(from, all.size()), all.end()};
  }
};

}  // namespace kav::testing
