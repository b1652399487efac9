// Key handling: every key is logged, then changes the band model or the UI-mode flags by the
// mode it arrives in; an open menu redraws only the soft-key line, otherwise the screen.
#include "kav.h"

#include <phone/sys.h>
#include <ui/widgets.h>

namespace {

bool overlayShown() { return OnMenu || ExitMenu || About || Write; }

// One step up or down through 0..top, going round at either end.
UINT16 wrapStep(UINT16 value, UINT16 top, INT16 step) {
  if (step < 0) return value == 0 ? top : (UINT16)(value - 1);
  return value >= top ? 0 : (UINT16)(value + 1);
}

void moveMenu(INT16 step) { setmenu = wrapStep(setmenu, charCol(menu, MENU_SEPARATOR), step); }

void stepColour(INT16 step) { sett[setedit] = wrapStep(sett[setedit], settmax[setedit], step); }

void stepBand(INT16 step) { setedit = wrapStep(setedit, BAND_COUNT - 1, step); }

// The menu rises above the soft-key line into the main area, which only the background fill
// clears: the paint that shows the chosen overlay fills first, or the closed menu would stay
// on the screen under it.
void chooseMenuItem() {
  OnMenu = 0;
  repaint = 1;
  if (setmenu == 0) Write = 1;
  else if (setmenu == 1) About = 1;
  else if (setmenu == 2) ExitMenu = 1;
}

}  // namespace

extern "C" UINT32 HandleKeypress(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  const UINT8 key = AFW_GetEv(ev_st)->key;
  PFprintf("TARVIK - KeyPress = 0x%x\n", key);
  repaint = 1;

  switch (key) {
    case KEY_UP:
    case KEY_DOWN: {
      const INT16 step = key == KEY_UP ? -1 : 1;
      repaint = 0;
      if (OnMenu) moveMenu(step);
      if (!overlayShown()) stepColour(step);
      break;
    }
    case KEY_LEFT:
    case KEY_RIGHT: {
      const INT16 step = key == KEY_LEFT ? -1 : 1;
      repaint = 0;
      if (ExitMenu) ExitOkNo = ExitOkNo ? 0 : 1;
      if (!overlayShown()) stepBand(step);
      break;
    }
    case KEY_LIGHT:
      repaint = 0;
      state = state ? 0 : 1;
      UIS_CanvasSetBackLight(state);
      break;
    case KEY_MENU:
      repaint = 0;
      if (!ExitMenu && !About && !Write) {
        OnMenu = OnMenu ? 0 : 1;
        repaint = 1;
        downsoftline(softline, menu, OnMenu, setmenu);
      }
      break;
    case KEY_SOFT2:
    case KEY_SELECT:
      repaint = 0;
      if (Write) {
        Write = 0;
        repaint = 1;
      } else if (About) {
        About = 0;
        repaint = 1;
      } else if (ExitMenu) {
        if (ExitOkNo == 0) {
          ExitMenu = 0;
          repaint = 1;
        } else {
          return exitApp(ev_st, app);  // the event is not consumed: the program is gone
        }
      } else if (OnMenu) {
        chooseMenuItem();
      }
      break;
    default:
      break;  // logged and painted with the full fill
  }

  if (OnMenu) {
    downsoftline(softline, menu, 1, setmenu);
  } else {
    paint();
  }
  APP_ConsumeEv(ev_st, app);
  return 0;
}
