// Types of the phone platform as the programs see them.
// Program code includes only these headers and freestanding ones.
#pragma once

#include <stddef.h>
#include <stdint.h>

typedef uint8_t UINT8;
typedef int8_t INT8;
typedef uint16_t UINT16;
typedef int16_t INT16;
typedef uint32_t UINT32;
typedef int32_t INT32;
typedef UINT16 WCHAR;  // one unit of 16-bit text

// Handles are 32-bit ids into the platform's tables, never addresses.
typedef UINT32 UIS_DIALOG_T;       // canvas or character editor
typedef UINT32 RESOURCE_ID;        // a resource made by DRM_CreateResource
typedef UINT32 FILE_HANDLE_T;      // an open file
typedef UINT32 AHIDEVCONTEXT_T;    // surface drawing context
typedef UINT32 AHISURFACE_T;       // drawing or display surface
typedef UINT32 REG_ID_T;           // registration id handed to the start routine

#define FILE_HANDLE_INVALID ((FILE_HANDLE_T)0)

// Size of the phone's 32-bit target check: the record layouts below are the phone's.
#if UINTPTR_MAX == 0xFFFFFFFFu
#define PHONE_32BIT 1
#else
#define PHONE_32BIT 0
#endif
