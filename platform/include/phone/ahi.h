// Direct drawing on 5-6-5 surfaces.
#pragma once

#include <phone/types.h>

typedef struct AHIPOINT_T {
  INT32 x;
  INT32 y;
} AHIPOINT_T;

// x2 and y2 lie one past the last column and row.
typedef struct AHIRECT_T {
  INT32 x1;
  INT32 y1;
  INT32 x2;
  INT32 y2;
} AHIRECT_T;

// Character descriptor for AhiDrawChar: 8 bytes on the phone.
typedef struct AHICHAR_T {
  UINT8 width;    // 5
  UINT8 zero;     // 0
  UINT8 step;     // 5
  UINT8 height;   // 12
  const UINT8* bits;  // the glyph's bit stream, rows of `width` bits one after another
} AHICHAR_T;

#if PHONE_32BIT
static_assert(sizeof(AHICHAR_T) == 8, "character descriptor is 8 bytes on the phone");
#endif

#define AHIROP_PATCOPY 0xF0F0  // brush colour into the destination
#define AHIROP_SRCCOPY 0xCCCC  // source pixels into the destination

extern "C" {

AHIDEVCONTEXT_T DAL_GetDeviceContext(UINT32 device);
AHISURFACE_T DAL_GetDrawingSurface(UINT32 device);
UINT32 AhiDispSurfGet(AHIDEVCONTEXT_T ctx, AHISURFACE_T* surface);
UINT32 AhiDrawSurfDstSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags);
UINT32 AhiDrawSurfSrcSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags);
UINT32 AhiDrawClipDstSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip);
UINT32 AhiDrawClipSrcSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip);
UINT32 AhiDrawRopSet(AHIDEVCONTEXT_T ctx, UINT32 rop);
UINT32 AhiDrawBrushSet(AHIDEVCONTEXT_T ctx, void* pattern, void* offset, UINT32 bk_colour,
                       UINT32 flags);
UINT32 AhiDrawBrushFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour);
UINT32 AhiDrawFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour);
UINT32 AhiDrawLines(AHIDEVCONTEXT_T ctx, AHIPOINT_T* points, UINT32 count, UINT32 flags);
UINT32 AhiDrawSpans(AHIDEVCONTEXT_T ctx, AHIRECT_T* rects, UINT32 count, UINT32 flags);
UINT32 AhiDrawBitBlt(AHIDEVCONTEXT_T ctx, AHIRECT_T* dst_rect, AHIPOINT_T* src_point);
UINT32 AhiDrawChar(AHIDEVCONTEXT_T ctx, AHIPOINT_T point, AHICHAR_T* chars, UINT32 count,
                   UINT32 flags);

}  // extern "C"
