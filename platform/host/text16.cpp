// 16-bit text, strlen and unsigned division.
#include <phone/sys.h>

#include "log.h"
#include "platform.h"

extern "C" {

WCHAR* u_atou(const char* src, WCHAR* dst) {
  phone::platform().trace().record("u_atou", {src != nullptr, dst != nullptr});
  if (!src || !dst) return dst;
  size_t i = 0;
  for (; src[i]; ++i) dst[i] = WCHAR(UINT8(src[i]));
  dst[i] = 0;
  return dst;
}

char* u_utoa(const WCHAR* src, char* dst) {
  phone::platform().trace().record("u_utoa", {src != nullptr, dst != nullptr});
  if (!src || !dst) return dst;
  size_t i = 0;
  for (; src[i]; ++i) dst[i] = char(UINT8(src[i]));
  dst[i] = 0;
  return dst;
}

WCHAR* u_ltou(UINT32 number, WCHAR* dst) {
  phone::platform().trace().record("u_ltou", {number, dst != nullptr});
  if (!dst) return dst;
  WCHAR digits[10];
  int n = 0;
  do {
    digits[n++] = WCHAR('0' + number % 10);
    number /= 10;
  } while (number);
  for (int i = 0; i < n; ++i) dst[i] = digits[n - 1 - i];
  dst[n] = 0;
  return dst;
}

UINT32 u_strlen(const WCHAR* text) {
  UINT32 n = 0;
  if (text)
    while (text[n]) ++n;
  phone::platform().trace().record("u_strlen", {text != nullptr, n});
  return n;
}

WCHAR* u_strcat(WCHAR* dst, const WCHAR* src) {
  phone::platform().trace().record("u_strcat", {dst != nullptr, src != nullptr});
  if (!dst || !src) return dst;
  WCHAR* end = dst;
  while (*end) ++end;
  while ((*end++ = *src++)) {
  }
  return dst;
}

WCHAR* u_strcpy(WCHAR* dst, const WCHAR* src) {
  phone::platform().trace().record("u_strcpy", {dst != nullptr, src != nullptr});
  if (!dst || !src) return dst;
  WCHAR* out = dst;
  while ((*out++ = *src++)) {
  }
  return dst;
}

// Not traced: this definition serves the whole process, libc's callers included. This file
// is built without loop-to-library-call rewriting, so the loop cannot turn into a call of
// strlen itself.
size_t strlen(const char* text) noexcept {
  const char* end = text;
  while (*end) ++end;
  return size_t(end - text);
}

UINT32 __rt_udiv(UINT32 divisor, UINT32 dividend) {
  auto& p = phone::platform();
  p.trace().record("__rt_udiv", {divisor, dividend});
  if (divisor == 0) {
    p.log().platform("__rt_udiv: division of " + std::to_string(dividend) +
                     " by zero; the result is 0xFFFFFFFF");
    return 0xFFFFFFFF;
  }
  return dividend / divisor;
}

}  // extern "C"
