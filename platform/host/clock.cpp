#include "clock.h"

#include <ctime>

#include <phone/sys.h>

#include "platform.h"

namespace phone {

void Clock::setMode(Mode mode) {
  mode_ = mode;
  if (mode == Mode::Real && !startSet_) {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    start_ = {uint8_t(local.tm_hour), uint8_t(local.tm_min), uint8_t(local.tm_sec)};
  }
}

void Clock::setTimeOfDay(TimeOfDay start) {
  start_ = start;
  startSet_ = true;
}

TimeOfDay Clock::timeOfDay() const {
  uint64_t seconds = (start_.hour * 3600u + start_.minute * 60u + start_.second + now_ / 1000) % 86400;
  return {uint8_t(seconds / 3600), uint8_t(seconds / 60 % 60), uint8_t(seconds % 60)};
}

}  // namespace phone

extern "C" UINT32 DL_ClkGetTime(CLK_TIME_T* time) {
  auto& p = phone::platform();
  p.trace().record("DL_ClkGetTime", {time != nullptr});
  if (!time) return 1;
  auto t = p.clock().timeOfDay();
  time->hour = t.hour;
  time->minute = t.minute;
  time->second = t.second;
  time->reserved = 0;
  return 0;
}
