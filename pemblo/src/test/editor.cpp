// The edit state: the platform's character editor opened with the selected record's text,
// its confirmed text taken back as Windows-1251 and written to the list file.
#include "pemblo.h"

#include "ui/cp1251.h"

namespace {

constexpr auto kTitle = CP1251("Номер");

// The text the editor was opened with, and whether it was the whole selected record.
char opened[BUF_SIZE];
UINT8 opened_whole;

// Copies the editor's text into bf. The editor promises at most 50 characters; a longer text,
// or none at all, is refused (0) rather than cut, so that no record changes by surprise.
UINT8 take_text(const WCHAR* text) {
  if (!text) return 0;
  UINT32 i = 0;
  for (; i < EDIT_MAX_CHARS && text[i] != 0; ++i) bf[i] = text[i];
  if (text[i] != 0) {
    bf[0] = 0;
    return 0;
  }
  bf[i] = 0;
  return 1;
}

UINT8 same_text(const char* a, const char* b) {
  UINT32 i = 0;
  for (; i < BUF_SIZE && a[i] == b[i]; ++i)
    if (a[i] == 0) return 1;
  return 0;
}

}  // namespace

extern "C" {

UINT32 num_chars = EDIT_MAX_CHARS;
UINT8 edit_type = 1;
UINT8 visible = 0;
// "Номер": each Windows-1251 byte as one 16-bit unit of the same value.
const WCHAR bf_offset[6] = {(UINT8)kTitle.bytes[0], (UINT8)kTitle.bytes[1],
                            (UINT8)kTitle.bytes[2], (UINT8)kTitle.bytes[3],
                            (UINT8)kTitle.bytes[4], 0};

UINT32 EditStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind) {
  if (kind != ENTER_STATE_ENTER) return 0;
  u_atou(buf, bf);
  for (UINT32 i = 0; i < BUF_SIZE; ++i) {
    opened[i] = buf[i];
    if (buf[i] == 0) break;
  }
  opened_whole = buf_whole;
  UIS_DIALOG_T h = UIS_CreateCharacterEditor(&app->ui_context, bf, edit_type, num_chars,
                                             visible, 0, Resources);
  if (h == 0) return 1;
  app->dialog = h;
  return 0;
}

// The user confirmed: ask the editor for its text, which comes back as event 0x200F.
UINT32 EditOk(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  AFW_AddEvEvD(ev_st, EV_REQUEST_DATA, 0);
  UIS_HandleEvent(app->dialog, ev_st);
  return 0;
}

UINT32 EditData(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  EVENT_T* ev = AFW_GetEv(ev_st);
  if (take_text(ev ? ev->text : 0)) {
    UCS2toCP1251(bf, buf);
    // One line is one record: a typed line break would split it in two.
    for (UINT32 i = 0; buf[i] != 0; ++i)
      if (buf[i] == CR || buf[i] == LF) buf[i] = ' ';
    if (setmenu == ITEM_ADD) {
      add();
    } else if (setmenu == ITEM_EDIT) {
      // A record that the editor could not hold whole (longer than 50 bytes, or with a NUL or
      // an inner LF) changes only when the user changed its text.
      if (!opened_whole && same_text(buf, opened)) {
      } else if (len == 1) {
        add_one();
      } else {
        replace();
      }
    }
  }
  UINT32 r = APP_UtilChangeState(STATE_MAIN, ev_st, app);
  paint();
  return r;
}

UINT32 Back(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  UINT32 r = APP_UtilChangeState(STATE_MAIN, ev_st, app);
  paint();
  return r;
}

// Exit kind 1 leaves the editor in place (the state is only suspended).
UINT32 StateExit(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind) {
  if (kind != 1) APP_UtilUISDialogDelete(&app->dialog);
  return 0;
}

}  // extern "C"
