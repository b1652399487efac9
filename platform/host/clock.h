// The one platform clock: milliseconds since switch-on, and the time of day at switch-on.
#pragma once

#include <cstdint>

namespace phone {

struct TimeOfDay {
  uint8_t hour = 12, minute = 0, second = 0;
};

class Clock {
 public:
  // Virtual: time moves only when the script advances it (repeatable headless runs).
  // Real: the window front-end advances it by the real time elapsed.
  enum class Mode { Virtual, Real };

  Mode mode() const { return mode_; }
  // Real mode takes the host's local time of day as the time at start, unless one was set.
  void setMode(Mode mode);

  uint64_t now() const { return now_; }  // ms since switch-on
  void setNow(uint64_t ms) { now_ = ms; }

  void setTimeOfDay(TimeOfDay start);
  TimeOfDay startTime() const { return start_; }
  // The time of day now: the time at start plus the time elapsed, modulo a day.
  TimeOfDay timeOfDay() const;

  void reset() { *this = Clock{}; }

 private:
  Mode mode_ = Mode::Virtual;
  uint64_t now_ = 0;
  TimeOfDay start_{};
  bool startSet_ = false;
};

}  // namespace phone
