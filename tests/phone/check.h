// The byte-order check: the same program code and the same checks, built once for the host and
// once for the phone's 32-bit big-endian ARM (run under qemu). Each check prints one line with
// a digest of what the code computed and drew; the two runs must print the same lines.
//
// This code is linked with the program objects and runs without a C library on the phone side,
// so it is freestanding like the programs: no library calls, no static constructors, no
// division. The fake platform behind the program's calls is module state, as the calls are
// plain C functions.
#pragma once

#include <phone.h>

namespace check {

// FNV-1a over values fed as 32-bit numbers, most significant byte first: the digest depends on
// the values only, never on how a machine lays them out in memory.
struct Digest {
  UINT32 hash = 0x811C9DC5u;
  UINT32 count = 0;  // bytes fed

  void byte(UINT8 b) {
    hash ^= b;
    hash *= 0x01000193u;
    ++count;
  }
  void word(UINT32 v) {
    byte((UINT8)(v >> 24));
    byte((UINT8)(v >> 16));
    byte((UINT8)(v >> 8));
    byte((UINT8)v);
  }
  void text(const char* s) {
    for (; *s != 0; ++s) byte((UINT8)*s);
    word(0);
  }
  void bytes(const void* p, UINT32 n) {
    const UINT8* b = (const UINT8*)p;
    for (UINT32 i = 0; i < n; ++i) byte(b[i]);
    word(n);
  }
};

// Writes "name count hash" as one line; `count` tells a run that stopped early from one that
// computed something else.
void report(const char* name, const Digest& d);
// Writes a line of text as it stands.
void say(const char* text);
// Marks the run failed (its exit status), with the reason on its own line.
void fail(const char* why);
bool failed();

// The two ends of the run, one per machine (runtime_arm.cpp, runtime_host.cpp).
void write_out(const char* text, UINT32 size);

}  // namespace check

// The fake platform (fake_platform.cpp): every platform call adds itself and its arguments to
// `calls`; what the programs read back (clock, language, key, file) is set by the checks.
namespace fake {

check::Digest& calls();
void restart_calls();
// Blocks from suAllocMem not yet given back.
UINT32 blocks_held();
void set_language(const char* code);
void set_key(UINT8 key);
void set_editor_text(WCHAR* text);
EVENT_STACK_T* event_stack();
APPLICATION_T* application();
// The one list file, whatever its path. Content is copied in; `file_data` shows it.
void set_file(const UINT8* data, UINT32 size);
const UINT8* file_data();
UINT32 file_size();
// The next write session is refused at its close, and the old content stays.
void fail_next_close();

}  // namespace fake

namespace check {

// Runs `draw` and reports the platform calls it made.
template <typename Draw>
void calls_of(const char* name, Draw draw) {
  fake::restart_calls();
  draw();
  report(name, fake::calls());
}

}  // namespace check

// The checks of one program (kav_checks.cpp or pemblo_checks.cpp).
extern "C" void run_checks();
