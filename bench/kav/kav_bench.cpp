// The calculator's drawing and event handling, each reporting the pixels it writes per run.
#include <benchmark/benchmark.h>

#include <phone.h>

#include <filesystem>

#include "display.h"
#include "framework.h"
#include "image.h"
#include "log.h"
#include "platform.h"

namespace {

class Kav {
 public:
  Kav() {
    auto& p = phone::platform();
    p.reset();
    p.log().setEcho(false);
    p.framework().load(std::filesystem::path(PHONE_IMAGE_DIR) / "kav.so",
                       (std::filesystem::temp_directory_path() / "kav.elf").string());
  }
  ~Kav() { phone::platform().reset(); }

  template <class T>
  T& sym(const char* name) {
    return *phone::platform().framework().image()->symbol<T>(name);
  }
  uint64_t pixels() const { return phone::platform().display().pixelsWritten(); }
};

void report(benchmark::State& state, uint64_t pixels) {
  state.counters["pixels"] =
      benchmark::Counter(double(pixels), benchmark::Counter::kAvgIterations);
}

// The whole screen with its background fill, as after an overlay closes.
void BM_PaintFull(benchmark::State& state) {
  Kav kav;
  auto& paint = kav.sym<void()>("paint");
  auto& repaint = kav.sym<UINT8>("repaint");
  const uint64_t start = kav.pixels();
  for (auto _ : state) {
    repaint = 1;
    paint();
  }
  report(state, kav.pixels() - start);
}
BENCHMARK(BM_PaintFull);

// The screen without the fill, as after a band key.
void BM_PaintWithoutFill(benchmark::State& state) {
  Kav kav;
  auto& paint = kav.sym<void()>("paint");
  const uint64_t start = kav.pixels();
  for (auto _ : state) paint();
  report(state, kav.pixels() - start);
}
BENCHMARK(BM_PaintWithoutFill);

// One second of the platform clock: one timer event, the soft-key line with its clock.
void BM_TimerTick(benchmark::State& state) {
  Kav kav;
  auto& fw = phone::platform().framework();
  const uint64_t start = kav.pixels();
  for (auto _ : state) fw.advance(1000);
  report(state, kav.pixels() - start);
}
BENCHMARK(BM_TimerTick);

// A key press end to end: the event queued and dispatched, the model changed, the screen
// painted (band key) or the menu redrawn (menu open).
void BM_KeyPress(benchmark::State& state, uint8_t key, bool menuOpen) {
  Kav kav;
  auto& p = phone::platform();
  if (menuOpen) p.framework().pressKey(0x0E);
  const uint64_t start = kav.pixels();
  uint64_t n = 0;
  for (auto _ : state) {
    p.framework().pressKey(key);
    if (++n % 4096 == 0) p.log().clear();
  }
  report(state, kav.pixels() - start);
}
BENCHMARK_CAPTURE(BM_KeyPress, band_colour, uint8_t(0x2D), false);
BENCHMARK_CAPTURE(BM_KeyPress, band_select, uint8_t(0x2F), false);
BENCHMARK_CAPTURE(BM_KeyPress, menu_move, uint8_t(0x2D), true);
BENCHMARK_CAPTURE(BM_KeyPress, unhandled_full_paint, uint8_t(0x41), false);

}  // namespace
