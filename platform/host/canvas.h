// Canvas drawing: the calculator's full-screen canvas draws straight into the display.
#pragma once

#include <cstdint>
#include <set>

#include "display.h"

namespace phone {

class Canvas {
 public:
  // Back to a phone just switched on: no canvas, default colours.
  void reset();

  // The canvas table. Ids are never reused until reset, so a deleted canvas stays invalid.
  uint32_t create();
  bool destroy(uint32_t id);
  bool valid(uint32_t id) const { return id != 0 && live_.contains(id); }

  void setForeground(Rgb colour) { foreground_ = colour; }
  void setFill(Rgb colour) { fill_ = colour; }
  Rgb foreground() const { return foreground_; }
  Rgb fill() const { return fill_; }

  // The pixel rules, into `display`; nothing happens on an invalid canvas.
  // A line includes both ends; an outline and a fill run from corner to corner inclusive.
  void drawLine(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const;
  void drawRect(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const;
  void fillRect(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const;

  // Canvas ids start here, apart from the ids of other dialogs.
  static constexpr uint32_t kFirstId = 0xCA000001;

 private:
  std::set<uint32_t> live_;
  uint32_t next_ = kFirstId;
  Rgb foreground_{0, 0, 0};
  Rgb fill_{255, 255, 255};
};

}  // namespace phone
