// The list editor's toolkit: surface primitives, bitmap font and widgets. Everything draws
// into the off-screen surface; AHG_Flush shows it.
#pragma once

#include <phone/sys.h>
#include <phone/types.h>

#include "surface.h"
#include "text/bitmap_font.h"

extern "C" {

// State of the list editor that its soft-key line and dialogs read. Defined by the list editor.
extern UINT8 len;       // number of records
extern UINT8 mx;        // rows per page
extern UINT8 pg;        // current page, from 0
extern UINT8 set;       // selected row of the page, from 1
extern UINT8 OnMenu, ExitMenu, About, Error;  // UI-mode flags
extern UINT8 LGID[LANG_CODE_SIZE];            // language code; '#' first = Russian

// Centred window of body w x h with a 12-row title bar above it; the body is left dark.
void writeWin(INT16 w, INT16 h, const char* title);
// White arrow outline with its tip at (x, y).
void mCursor(INT16 x, INT16 y);
// Header strip with the file name, soft-key line with the position and both labels and, when
// `open` is set, the pop-up menu with item `sel` lit.
void downsoftline(const char* left, const char* right, const char* menu, UINT8 open, UINT16 sel);
// Number of bytes of `text` equal to `c` (with '|': the menu's last item number).
UINT16 charCol(const char* text, UINT8 c);
// One button centred on column 88, rows Y + 59 to Y + 71; x is not used.
void wOK(UINT8 active, const char* text, INT16 x, INT16 y);
// Yes/No pair on rows Y + 59 to Y + 71; the left one is lit when sel is not 0; x is not used.
void wYESNO(UINT8 sel, const char* l, const char* r, INT16 x, INT16 y);
// The About box's icon within columns x + 3 to x + 30, rows y + 6 to y + 28.
void wrIcon(INT16 x, INT16 y);
// Dialogs with their body at (mx, my), in the language of LGID.
void writeExitMenu(INT16 mx, INT16 my, UINT8 sel);
void writeAbout(INT16 mx, INT16 my);
void writeError(INT16 mx, INT16 my);

}  // extern "C"
