// The main screen: the resistor with its six bands, the selection markers and the selected
// band's colour name, the soft-key line and at most one overlay, drawn straight on the canvas.
#include "kav.h"

#include <text/stroke_font.h>
#include <ui/canvas.h>
#include <ui/widgets.h>

namespace {

const UINT32 kBody = 0x20101000;
const UINT32 kLead = 0x99999900;
const UINT32 kYellow = 0xFFFF0000;
const UINT32 kBlackFrame = 0x55555500;

}  // namespace

extern "C" void paint() {
  const INT16 s = (INT16)(20 * setedit);

  if (repaint) {
    SetBkColor(BColor);
    FillRect(0, 0, 176, 208);
  }

  // Body; the two black strips cut its middle to band height and wipe the old markers and
  // the old colour name, so that a paint without the full fill leaves nothing stale.
  SetBkColor(kBody);
  FillRect(15, 20, 145, 55);
  SetBkColor(0x00000000);
  FillRect(28, 20, 120, 10);
  FillRect(28, 65, 120, 30);

  SetBkColor(kLead);
  FillRect(5, 46, 15, 3);
  FillRect(155, 46, 15, 3);

  SetColor(kYellow);
  DrawLine((INT16)(33 + s), 25, (INT16)(43 + s), 25);
  DrawLine((INT16)(33 + s), 71, (INT16)(43 + s), 71);

  writestring(kYellow, bandName(setedit), 35, 75);

  for (UINT16 b = 0; b < BAND_COUNT; ++b) {
    const INT16 x = (INT16)(33 + 20 * b);
    const UINT32 colour = gColor(sett[b], b);
    SetBkColor(colour);
    FillRect(x, 30, 10, 35);
    if (colour == 0) {  // a black band would vanish on the black screen: frame it
      SetColor(kBlackFrame);
      DrawRect(x, 30, 10, 35);
    }
  }

  downsoftline(softline, menu, OnMenu, setmenu);

  if (ExitMenu) {
    writeExitMenu(28, 83, ExitOkNo);
  } else if (About) {
    writeAbout(5, 60);
  }

  if (Write) {
    writeCode(13, 75, ch3[sett[0]], ch3[sett[1]], ch3[sett[2]], ch2[sett[3]], ch4[sett[4]],
              ch5[sett[5]]);
  }

  repaint = 0;
}
