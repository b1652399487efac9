// The editor's 16-bit text to Windows-1251. The editor may give Cyrillic either as real
// Unicode (0x0410..0x044F, Ё 0x0401, ё 0x0451) or as the one-byte codes carried in units
// 0x00C0..0x00FF; units below 0x0100 are taken as such bytes. Every other character becomes
// its Windows-1251 byte where the code page has one and "?" where it has none, so no unit is
// turned into an unrelated byte and none ends the text early.
#include "pemblo.h"

#include "ui/cp1251.h"

namespace {

UINT8 byte_of(WCHAR c) {
  if (c < 0x0100) return (UINT8)c;
  if (c >= 0x0410 && c <= 0x044F) return (UINT8)(c - 0x0350);
  for (UINT32 i = 0; i < 64; ++i)
    if (cp1251::kHigh[i] == c) return (UINT8)(0x80 + i);
  return '?';
}

}  // namespace

extern "C" void UCS2toCP1251(const WCHAR* src, char* dst) {
  for (;;) {
    WCHAR c = *src++;
    *dst++ = (char)byte_of(c);
    if (c == 0) break;
  }
}
