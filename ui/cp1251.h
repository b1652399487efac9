// Windows-1251 texts written as UTF-8 in the source and turned into their one-byte form while
// compiling, so that a Russian text reads as Russian here and costs nothing at run time:
//
//   constexpr auto kTitle = CP1251("Выход...");   // kTitle.text() -> "\xC2\xFB\xF5\xEE\xE4..."
//
// A character without a Windows-1251 byte, or broken UTF-8, stops the compile.
// The byte table is also usable at run time (cp1251FromUnicode).
#pragma once

#include <phone/types.h>

namespace cp1251 {

// Unicode code points of the bytes 0x80..0xBF; 0 where the code page has no character (0x98).
inline constexpr UINT16 kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

// The Windows-1251 byte of a Unicode code point, or -1 when the code page has none.
constexpr INT32 cp1251FromUnicode(UINT32 cp) {
  if (cp < 0x80) return (INT32)cp;
  if (cp >= 0x0410 && cp <= 0x044F) return (INT32)(cp - 0x0410 + 0xC0);  // А..я
  for (UINT32 i = 0; i < 64; ++i)
    if (kHigh[i] != 0 && kHigh[i] == cp) return (INT32)(0x80 + i);
  return -1;
}

// Reached only while converting a text that cannot be converted: calling a function that is
// not constexpr makes the constant evaluation, and so the compile, fail here.
void not_a_windows_1251_text();

// A converted text of at most N - 1 bytes with its terminating zero (N: the UTF-8 size).
template <size_t N>
struct Text {
  char bytes[N];
  UINT32 size;  // bytes before the terminator
  constexpr const char* text() const { return bytes; }
  constexpr operator const char*() const { return bytes; }
};

template <size_t N>
consteval Text<N> fromUtf8(const char (&utf8)[N]) {
  Text<N> out{};
  UINT32 o = 0;
  for (UINT32 i = 0; i + 1 < N;) {
    UINT8 b = (UINT8)utf8[i];
    UINT32 cp = 0;
    UINT32 more = 0;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      more = 1;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      more = 2;
    } else {
      not_a_windows_1251_text();  // four-byte forms lie outside the code page anyway
    }
    ++i;
    for (UINT32 k = 0; k < more; ++k, ++i) {
      if (i + 1 >= N || ((UINT8)utf8[i] & 0xC0) != 0x80) not_a_windows_1251_text();
      cp = (cp << 6) | ((UINT8)utf8[i] & 0x3F);
    }
    INT32 byte = cp1251FromUnicode(cp);
    if (byte < 0) not_a_windows_1251_text();
    out.bytes[o++] = (char)(UINT8)byte;
  }
  out.bytes[o] = 0;
  out.size = o;
  return out;
}

}  // namespace cp1251

// A Windows-1251 text from a UTF-8 literal, converted while compiling.
#define CP1251(literal) (::cp1251::fromUtf8(literal))
