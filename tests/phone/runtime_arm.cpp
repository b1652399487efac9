// Start of the byte-order check on 32-bit big-endian ARM under qemu's Linux user mode. The
// cross toolchain's C library is built little-endian only, so the run has none: it starts at
// _start, writes and exits through Linux system calls, and supplies the few memory routines
// the compiler may call on its own.
#include "check.h"

namespace {

UINT32 sys_call(UINT32 number, UINT32 a, UINT32 b, UINT32 c) {
  register UINT32 r0 asm("r0") = a;
  register UINT32 r1 asm("r1") = b;
  register UINT32 r2 asm("r2") = c;
  register UINT32 r7 asm("r7") = number;
  asm volatile("svc 0" : "+r"(r0) : "r"(r1), "r"(r2), "r"(r7) : "memory");
  return r0;
}

constexpr UINT32 kWrite = 4, kExitGroup = 248;

}  // namespace

namespace check {

void write_out(const char* text, UINT32 size) {
  while (size > 0) {
    INT32 n = (INT32)sys_call(kWrite, 1, (UINT32)text, size);
    if (n <= 0) return;
    text += n;
    size -= (UINT32)n;
  }
}

}  // namespace check

// The loops below must stay loops: recognised as copies they would become calls to themselves.
#define PLAIN_LOOPS __attribute__((optimize("no-tree-loop-distribute-patterns")))

extern "C" {

[[noreturn]] void _start() {
  run_checks();
  sys_call(kExitGroup, check::failed() ? 1 : 0, 0, 0);
  __builtin_unreachable();
}

PLAIN_LOOPS void* memcpy(void* to, const void* from, size_t n) {
  UINT8* t = (UINT8*)to;
  const UINT8* f = (const UINT8*)from;
  for (size_t i = 0; i < n; ++i) t[i] = f[i];
  return to;
}

PLAIN_LOOPS void* memmove(void* to, const void* from, size_t n) {
  UINT8* t = (UINT8*)to;
  const UINT8* f = (const UINT8*)from;
  if (t < f) {
    for (size_t i = 0; i < n; ++i) t[i] = f[i];
  } else {
    for (size_t i = n; i > 0; --i) t[i - 1] = f[i - 1];
  }
  return to;
}

PLAIN_LOOPS void* memset(void* to, int value, size_t n) {
  UINT8* t = (UINT8*)to;
  for (size_t i = 0; i < n; ++i) t[i] = (UINT8)value;
  return to;
}

}  // extern "C"
