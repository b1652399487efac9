// Lines of the byte-order check's output.
#include "check.h"

namespace check {
namespace {

bool run_failed;

UINT32 length(const char* s) {
  UINT32 n = 0;
  while (s[n] != 0) ++n;
  return n;
}

// Fixed-width hexadecimal: shifts only, no division.
void hex(char* out, UINT32 v) {
  for (int i = 0; i < 8; ++i) out[i] = "0123456789abcdef"[(v >> (28 - 4 * i)) & 15];
}

}  // namespace

void report(const char* name, const Digest& d) {
  char line[96];
  UINT32 n = 0;
  for (const char* p = name; *p != 0 && n < 60; ++p) line[n++] = *p;
  line[n++] = ' ';
  hex(line + n, d.count);
  n += 8;
  line[n++] = ' ';
  hex(line + n, d.hash);
  n += 8;
  line[n++] = '\n';
  write_out(line, n);
}

void say(const char* text) {
  write_out(text, length(text));
  write_out("\n", 1);
}

void fail(const char* why) {
  run_failed = true;
  write_out("FAILED: ", 8);
  say(why);
}

bool failed() { return run_failed; }

}  // namespace check
