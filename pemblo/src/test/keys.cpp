// Keys of the main state: the list selection, the pop-up menu and its items, the dialogs and
// the red end key.
#include "pemblo.h"

namespace {

UINT8 overlay() { return ExitMenu || About || Error; }

// The soft-key line with the open menu, straight to the display: nothing else changes.
void menu_line(UINT8 open) {
  if (!can_draw) return;
  downsoftline(softline, l_ok, menu, open, setmenu);
}

void carry_out(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  switch (setmenu) {
    case ITEM_EDIT:
    case ITEM_ADD:
      // setmenu stays: it tells the line editor which item opened it.
      APP_UtilUISDialogDelete(&app->dialog);
      APP_UtilChangeState(STATE_EDIT, ev_st, app);
      break;
    case ITEM_DELETE:
      if (len <= 1)
        Error = 1;  // the only record can be replaced, never deleted
      else
        del();
      break;
    case ITEM_ABOUT:
      About = 1;
      break;
    case ITEM_EXIT:
      ExitMenu = 1;
      break;
    default:
      break;
  }
}

}  // namespace

extern "C" UINT32 HandleKeypress(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  EVENT_T* ev = AFW_GetEv(ev_st);
  UINT8 key = ev ? ev->key : 0;
  repaint = 1;
  UINT16 last = charCol(menu, 0x7C);
  switch (key) {
    case KEY_UP:
      if (OnMenu)
        setmenu = setmenu == 0 ? last : (UINT16)(setmenu - 1);
      else if (!overlay())
        select_prev();
      break;
    case KEY_DOWN:
      if (OnMenu)
        setmenu = setmenu >= last ? 0 : (UINT16)(setmenu + 1);
      else if (!overlay())
        select_next();
      break;
    case KEY_LEFT:
    case KEY_RIGHT:
      if (ExitMenu) ExitOkNo = !ExitOkNo;
      break;
    case KEY_SOFT_LEFT:
      if (!overlay()) {
        OnMenu = !OnMenu;
        repaint = 0;
        paint();
        menu_line(OnMenu);
      }
      break;
    case KEY_SOFT_RIGHT:
    case KEY_SELECT:
      if (About) {
        About = 0;
      } else if (Error) {
        Error = 0;
      } else if (ExitMenu) {
        if (ExitOkNo == 0)
          ExitMenu = 0;
        else
          return destroyApp(ev_st, app);
      } else if (OnMenu) {
        OnMenu = 0;
        carry_out(ev_st, app);
      }
      break;
    case KEY_END:
      return destroyApp(ev_st, app);
    default:
      break;
  }
  if (OnMenu) {
    if (can_draw) {
      menu_line(1);
      AHG_Flush();
    }
  } else if (repaint) {
    paint();
  }
  APP_ConsumeEv(ev_st, app);
  return 0;
}
