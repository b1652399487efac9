// Dialogs and canvas drawing.
#pragma once

#include <phone/types.h>

// A canvas colour: red, green, blue and a low byte, in that order.
typedef struct COLOR_T {
  UINT8 red;
  UINT8 green;
  UINT8 blue;
  UINT8 transparent;
} COLOR_T;

// A point as one 32-bit word: x in the upper 16 bits, y in the lower 16 bits, both signed.
typedef UINT32 GRAPHIC_POINT_T;

inline GRAPHIC_POINT_T GRAPHIC_POINT(INT16 x, INT16 y) {
  return ((UINT32)(UINT16)x << 16) | (UINT16)y;
}

// Drawing-buffer descriptor given to canvas creation: address, width, height.
typedef struct DRAWING_BUFFER_T {
  void* buf;
  UINT16 w;
  UINT16 h;
} DRAWING_BUFFER_T;

extern "C" {

UIS_DIALOG_T UIS_CreateColorCanvas(UINT32* ui_context, DRAWING_BUFFER_T* buffer, UINT32 flags);
UIS_DIALOG_T UIS_CreateCharacterEditor(UINT32* ui_context, WCHAR* text, UINT8 type,
                                       UINT32 max_chars, UINT8 visible, UINT32 reserved,
                                       RESOURCE_ID title);
UINT32 UIS_HandleEvent(UIS_DIALOG_T dialog, struct EVENT_STACK_T* ev_st);
UINT32 APP_UtilUISDialogDelete(UIS_DIALOG_T* dialog_slot);
UINT32 UIS_CanvasSetBackLight(UINT8 on);

UINT32 UIS_CanvasSetForegroundColor(COLOR_T colour);
UINT32 UIS_CanvasSetFillColor(COLOR_T colour);
UINT32 UIS_CanvasDrawLine(GRAPHIC_POINT_T from, GRAPHIC_POINT_T to, UIS_DIALOG_T canvas);
UINT32 UIS_CanvasDrawRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UINT32 reserved,
                          UIS_DIALOG_T canvas);
UINT32 UIS_CanvasFillRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UIS_DIALOG_T canvas);

}  // extern "C"
