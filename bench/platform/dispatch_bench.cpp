// Dispatching one event to the fixture program: routing alone, and a handled key press.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "framework.h"
#include "log.h"
#include "platform.h"

namespace {

using phone::Framework;

void loadFixture() {
  auto& p = phone::platform();
  p.reset();
  p.log().setEcho(false);
  auto dir = std::filesystem::temp_directory_path();
  p.framework().load(std::filesystem::path(PHONE_IMAGE_DIR) / "fixture.so",
                     (dir / "fixture.elf").string());
}

// An event that no handler takes: the state's list and the any-state list are walked.
void BM_DispatchUnhandledEvent(benchmark::State& state) {
  loadFixture();
  auto& fw = phone::platform().framework();
  for (auto _ : state) fw.sendEvent(0x7777);
  phone::platform().reset();
}
BENCHMARK(BM_DispatchUnhandledEvent);

// A key press: the handler reads the event, writes a debug line and consumes it.
void BM_DispatchKeyPress(benchmark::State& state) {
  loadFixture();
  auto& p = phone::platform();
  uint64_t n = 0;
  for (auto _ : state) {
    p.framework().pressKey(0x40);
    if (++n % 4096 == 0) p.log().clear();
  }
  p.reset();
}
BENCHMARK(BM_DispatchKeyPress);

}  // namespace
