// The list editor's paint, its file changes and a key press end to end, on list files of
// records 50 characters long.
#include <benchmark/benchmark.h>

#include <phone.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework.h"
#include "image.h"
#include "log.h"
#include "platform.h"

namespace {

namespace fs = std::filesystem;

std::string list(int records) {
  std::string out;
  for (int i = 1; i <= records; ++i) {
    if (i > 1) out += "\r\n";
    std::string r = "+7900" + std::to_string(1000000 + i) + " ";
    r.resize(50, char(0xC0 + i % 64));  // Cyrillic letters to the full 50
    out += r;
  }
  return out;
}

class Pemblo {
 public:
  explicit Pemblo(int records) : dir_(fs::temp_directory_path() / "pemblo-bench") {
    fs::create_directories(dir_);
    content_ = list(records);
    write();
    auto& p = phone::platform();
    p.reset();
    p.trace().enable(false);
    p.log().setEcho(false);
    p.framework().load(fs::path(PHONE_IMAGE_DIR) / "pemblo.so", (dir_ / "pemblo.elf").string());
  }
  ~Pemblo() {
    phone::platform().reset();
    fs::remove_all(dir_);
  }
  template <class T>
  T& sym(const char* name) {
    return *phone::platform().framework().image()->symbol<T>(name);
  }
  void select(int s) {
    sym<UINT8>("pg") = UINT8((s - 1) / 12);
    sym<UINT8>("set") = UINT8((s - 1) % 12 + 1);
  }
  // The list file back as it was at start, counted again.
  void restore() {
    write();
    sym<void()>("all")();
  }

 private:
  void write() {
    std::ofstream out(dir_ / "BlackList.txt", std::ios::binary | std::ios::trunc);
    out << content_;
  }
  fs::path dir_;
  std::string content_;
};

// The whole screen: the list re-read, a page of records drawn and copied to the display.
void BM_Paint(benchmark::State& state) {
  Pemblo p(int(state.range(0)));
  p.select(int(state.range(0)));
  auto& paint = p.sym<UINT32()>("paint");
  for (auto _ : state) paint();
}
BENCHMARK(BM_Paint)->Arg(1)->Arg(12)->Arg(255)->Unit(benchmark::kMicrosecond);

// Appending to the longest file that takes one more record (254), and the refused append on
// 255 records (read and count only).
void BM_Add(benchmark::State& state) {
  Pemblo p(int(state.range(0)));
  std::strcpy(&p.sym<char>("buf"), "+380501234567 appended by the benchmark");
  auto& add = p.sym<void()>("add");
  for (auto _ : state) {
    state.PauseTiming();
    p.restore();
    state.ResumeTiming();
    add();
  }
}
BENCHMARK(BM_Add)->Arg(254)->Arg(255)->Unit(benchmark::kMicrosecond);

// Deleting a record from the middle of a 255-record file.
void BM_Del(benchmark::State& state) {
  Pemblo p(255);
  auto& del = p.sym<void()>("del");
  for (auto _ : state) {
    state.PauseTiming();
    p.restore();
    p.select(128);
    state.ResumeTiming();
    del();
  }
}
BENCHMARK(BM_Del)->Unit(benchmark::kMicrosecond);

// "Edit line" on a 255-record file: the record removed and appended again in one write.
void BM_Replace(benchmark::State& state) {
  Pemblo p(255);
  std::strcpy(&p.sym<char>("buf"), "+380501234567 edited by the benchmark");
  auto& replace = p.sym<void()>("replace");
  for (auto _ : state) {
    state.PauseTiming();
    p.restore();
    p.select(128);
    state.ResumeTiming();
    replace();
  }
}
BENCHMARK(BM_Replace)->Unit(benchmark::kMicrosecond);

// A key press end to end: the event dispatched, the selection moved, the screen painted.
void BM_KeyPress(benchmark::State& state) {
  Pemblo p(int(state.range(0)));
  auto& fw = phone::platform().framework();
  for (auto _ : state) fw.pressKey(0x2D);
}
BENCHMARK(BM_KeyPress)->Arg(12)->Arg(255)->Unit(benchmark::kMicrosecond);

// A key press that only moves the open menu's highlight: the soft-key line alone.
void BM_MenuKey(benchmark::State& state) {
  Pemblo p(255);
  auto& fw = phone::platform().framework();
  fw.pressKey(0x0E);
  for (auto _ : state) fw.pressKey(0x2D);
}
BENCHMARK(BM_MenuKey)->Unit(benchmark::kMicrosecond);

}  // namespace
