// Clock, language, resources, memory, 16-bit text and the debug print.
#pragma once

#include <phone/types.h>

typedef struct CLK_TIME_T {
  UINT8 hour;
  UINT8 minute;
  UINT8 second;
  UINT8 reserved;
} CLK_TIME_T;

// A language code: a NUL-terminated text of at most 7 bytes; Russian codes begin with '#'.
#define LANG_CODE_SIZE 8

extern "C" {

UINT32 DL_ClkGetTime(CLK_TIME_T* time);

UINT32 DRM_GetCurrentLanguage(UINT8* code);
UINT32 DRM_CreateResource(RESOURCE_ID* id, UINT32 type, const void* data, UINT32 size);
UINT32 DRM_SetResource(RESOURCE_ID id, const void* data, UINT32 size);
UINT32 DRM_ClearResource(RESOURCE_ID id);

void* suAllocMem(UINT32 size, INT32* error);  // 0 when there is no memory
void suFreeMem(void* block);

WCHAR* u_atou(const char* src, WCHAR* dst);   // one byte to one unit of the same value
char* u_utoa(const WCHAR* src, char* dst);    // one unit to one byte (its low 8 bits)
WCHAR* u_ltou(UINT32 number, WCHAR* dst);     // decimal
UINT32 u_strlen(const WCHAR* text);
WCHAR* u_strcat(WCHAR* dst, const WCHAR* src);
WCHAR* u_strcpy(WCHAR* dst, const WCHAR* src);
size_t strlen(const char* text) noexcept;
UINT32 __rt_udiv(UINT32 divisor, UINT32 dividend);  // dividend / divisor

void PFprintf(const char* format, ...);

}  // extern "C"
