// The calculator's frame: registration, start, states and their handler lists, the main
// state's entry, the one-second timer and the exit sequence.
#include "kav.h"

#include <phone/sys.h>
#include <text/stroke_font.h>
#include <ui/canvas.h>
#include <ui/widgets.h>

extern "C" {

UINT8 state = 1;
UINT8 repaint = 1;
UINT8 OnMenu = 0;
UINT8 ExitMenu = 0;
UINT8 About = 0;
UINT8 Write = 0;
UINT8 ExitOkNo = 0;
UINT16 setmenu = 0;
UINT16 setedit = 0;
UINT32 BColor = 0;
UINT32 evcode_base;
DRAWING_BUFFER_T bufd;
UIS_DIALOG_T dialog;

const char softline[] = "Menu";
const char menu[] = "Consider|About|Exit";
const char app_name[13] = "kav";

EVENT_HANDLER_ENTRY_T any_state_handlers[2] = {
    {EV_REVOKE_TOKEN, APP_HandleUITokenRevoked},
    {EV_CODE_END, 0},
};

EVENT_HANDLER_ENTRY_T init_state_handlers[2] = {
    {EV_GRANT_TOKEN, HandleUITokenGranted},
    {EV_CODE_END, 0},
};

EVENT_HANDLER_ENTRY_T main_state_handlers[3] = {
    {EV_TIMER_EXPIRED, Timer},
    {EV_KEY_PRESS, HandleKeypress},
    {EV_CODE_END, 0},
};

STATE_HANDLERS_ENTRY_T state_handling_table[3] = {
    {STATE_ANY, {0, 0, 0}, 0, 0, any_state_handlers},
    {1, {0, 0, 0}, 0, 0, init_state_handlers},
    {2, {0, 0, 0}, MainStateEnter, 0, main_state_handlers},
};

UINT32 Register(const char* path, UINT32 second, UINT32 ev_code) {
  evcode_base = ev_code;
  // Entries marked -2 take their codes from the loader's event code, one each.
  for (EVENT_HANDLER_ENTRY_T* e = main_state_handlers; e->code != EV_CODE_END; ++e) {
    if (e->code == EV_CODE_ASSIGNED) e->code = (INT32)evcode_base++;
  }
  APP_Register(&evcode_base, 1, state_handling_table, 3, startApp);
  LdrStartApp(evcode_base);
  return 1;
}

UINT32 startApp(EVENT_STACK_T* ev_st, REG_ID_T reg_id) {
  if (AFW_InquireRoutingStackByRegId(reg_id) == 0) return 1;
  APPLICATION_T* app = APP_InitAppData(APP_HandleEvent, 0x50, reg_id, 0, 1, 1, 1, 1, 0);
  if (app == 0) return 1;  // no record, nothing to start
  APP_Start(ev_st, app, 1, state_handling_table, destroyApp, app_name, 0);
  return 0;
}

UINT32 HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  UINT32 r = APP_HandleUITokenGranted(ev_st, app);
  if (r == 0 && app->token_status == TOKEN_STATUS_HELD) return APP_UtilChangeState(2, ev_st, app);
  return r;
}

UINT32 MainStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind) {
  if (kind != ENTER_STATE_ENTER) return 0;
  bufd.buf = 0;  // no buffer of our own: the canvas draws straight to the screen
  bufd.w = 176;
  bufd.h = 220;
  UINT32 ui_context = app->ui_context;
  dialog = UIS_CreateColorCanvas(&ui_context, &bufd, 1);
  if (dialog == 0) return 1;
  app->dialog = dialog;
  paint();
  APP_UtilStartCyclicalTimer(1000, 0, app);
  return 0;
}

// Re-applies the backlight and runs the clock; the rest of the screen stays as it is.
UINT32 Timer(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  UIS_CanvasSetBackLight(state);
  downsoftline(softline, menu, OnMenu, setmenu);
  return 0;
}

UINT32 exitApp(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  PFprintf("TARVIK - Exit\n");
  APP_UtilStopTimer(app);
  APP_UtilUISDialogDelete(&app->dialog);
  dialog = 0;
  UINT32 r = APP_Exit(ev_st, app, 0);
  LdrUnloadELF((void*)Lib);
  return r;
}

UINT32 destroyApp(EVENT_STACK_T* ev_st, APPLICATION_T* app) { return exitApp(ev_st, app); }

}  // extern "C"
