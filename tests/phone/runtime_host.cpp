// Start of the byte-order check on the host: the reference run.
#include <unistd.h>

#include "check.h"

namespace check {

void write_out(const char* text, UINT32 size) {
  while (size > 0) {
    const ssize_t n = ::write(1, text, size);
    if (n <= 0) return;
    text += n;
    size -= (UINT32)n;
  }
}

}  // namespace check

int main() {
  run_checks();
  return check::failed() ? 1 : 0;
}
