// The image's entry point. It sits in its own section so that the phone's link script puts it
// first: the loader enters the image at its start, and LdrUnloadELF is given that address.
#include "kav.h"

extern "C" __attribute__((section(".text.Lib"), used)) UINT32 Lib(const char* path,
                                                                  UINT32 second,
                                                                  UINT32 ev_code) {
  return Register(path, second, ev_code);
}
