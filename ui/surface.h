// Drawing primitives of the list editor: into the off-screen surface sDraw, shown by AHG_Flush.
#pragma once

#include <phone/ahi.h>
#include <phone/types.h>

extern "C" {

// Defined here in the toolkit; obtained once by AHG_Init, kept to the end of the program.
extern AHIDEVCONTEXT_T dCtx;
extern AHISURFACE_T sDraw, sDisp;

// Both end points included.
void DrawLine(UINT16 x1, UINT16 y1, UINT16 x2, UINT16 y2);
// Outline from (x, y) to (x + w, y + h): w + 1 columns, h + 1 rows.
void DrawRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h);
// The same area as DrawRect with its inside.
void FillRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h);
// Dotted two-pixel frame within columns x..x+w+1 and rows y..y+h+1 (the list's selection).
void myDrawRect(UINT16 x, UINT16 y, UINT16 w, UINT16 h);
// Shape colour (lines, outlines and fills), packed 5-6-5.
void SetColorRGB(UINT8 r, UINT8 g, UINT8 b);
// Obtains the drawing context and the two surfaces.
void AHG_Init();
// Copies the whole drawing surface to the display.
void AHG_Flush();

}  // extern "C"
