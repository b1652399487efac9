// The image's entry point. Alone in its file so that the phone image's linker script can put
// its section first: the loader starts the image at its first byte.
#include "pemblo.h"

extern "C" UINT32 Lib(const char* program_path, UINT32 reserved, UINT32 ev_code) {
  return Register(program_path, reserved, ev_code);
}
