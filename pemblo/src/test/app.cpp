// The list editor's frame: registration with its language test and first count, start, the
// state table, the title resource of the line editor, the main state's entry and the exit.
#include "pemblo.h"

#include "ui/cp1251.h"

namespace {

constexpr auto kMenuLabelRu = CP1251("Меню");
constexpr auto kOk = CP1251("Ок");
constexpr auto kItemsRu = CP1251("Изменить|Удалить|Добавить|Справка|Выйти");
const char kMenuLabelEn[] = "Menu";
const char kItemsEn[] = "Edit line|Delete|Add line|About|Exit";

// Placeholder content of the title resource until its real content is set.
const WCHAR kHex[] = {'H', 'E', 'X', 0};

}  // namespace

extern "C" {

UINT8 OnMenu;
UINT8 ExitMenu;
UINT8 About;
UINT8 Error;
UINT8 ExitOkNo;
UINT16 setmenu;
UINT8 repaint = 1;
UINT8 LGID[LANG_CODE_SIZE];
// Russian at load; Register switches to English.
constinit const char* softline = kMenuLabelRu.bytes;
constinit const char* l_ok = kOk.bytes;
constinit const char* menu = kItemsRu.bytes;
RESOURCE_ID Resources;
UINT32 evcode_base;
DRAWING_BUFFER_T bufd = {0, 176, 220};
char app_name[13] = "pemblo";

EVENT_HANDLER_ENTRY_T any_state_handlers[] = {
    {EV_REPAINT, Tim},
    {EV_REVOKE_TOKEN, APP_HandleUITokenRevoked},
    {EV_CODE_END, 0},
};
EVENT_HANDLER_ENTRY_T init_state_handlers[] = {
    {EV_GRANT_TOKEN, HandleUITokenGranted},
    {EV_CODE_END, 0},
};
EVENT_HANDLER_ENTRY_T main_state_handlers[] = {
    {EV_KEY_PRESS, HandleKeypress},
    {EV_CODE_END, 0},
};
EVENT_HANDLER_ENTRY_T edit_state_handlers[] = {
    {EV_DATA, EditData},
    {EV_DONE, EditOk},
    {EV_DIALOG_DONE, Back},
    {EV_CODE_END, 0},
};

const STATE_HANDLERS_ENTRY_T state_handling_table[4] = {
    {STATE_ANY, {0, 0, 0}, 0, 0, any_state_handlers},
    {STATE_INIT, {0, 0, 0}, 0, 0, init_state_handlers},
    {STATE_MAIN, {0, 0, 0}, MainStateEnter, 0, main_state_handlers},
    {STATE_EDIT, {0, 0, 0}, EditStateEnter, StateExit, edit_state_handlers},
};

UINT32 Register(const char* program_path, UINT32 second, UINT32 ev_code) {
  evcode_base = ev_code;
  DRM_GetCurrentLanguage(LGID);
  if (LGID[0] != 0x23) {
    softline = kMenuLabelEn;
    menu = kItemsEn;
  }
  make_path(program_path);
  all();
  UINT32 r = APP_Register(&evcode_base, 1, state_handling_table, 4, startApp);
  LdrStartApp(evcode_base);
  return r;
}

UINT32 startApp(EVENT_STACK_T* ev_st, REG_ID_T reg_id) {
  APPLICATION_T* app = APP_InitAppData(APP_HandleEvent, 0x50, reg_id, 0, 1, 1, 1, 1, 0);
  UINT32 r = APP_Start(ev_st, app, STATE_INIT, state_handling_table, destroyApp, app_name, 0);
  InitResources();
  return r;
}

UINT32 InitResources() {
  DRM_CreateResource(&Resources, 1, kHex, sizeof kHex);
  DRM_SetResource(Resources, bf_offset, 2 * u_strlen(bf_offset) + 2);
  return 0;
}

UINT32 RemoveResources() {
  DRM_ClearResource(Resources);
  return 0;
}

UINT32 destroyApp(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  APP_UtilUISDialogDelete(&app->dialog);
  can_draw = 0;
  UINT32 r = APP_Exit(ev_st, app, 0);
  RemoveResources();
  LdrUnloadELF(reinterpret_cast<void*>(&Lib));
  return r;
}

UINT32 HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  UINT32 r = APP_HandleUITokenGranted(ev_st, app);
  if (r == 0 && app->token_status == TOKEN_STATUS_HELD)
    return APP_UtilChangeState(STATE_MAIN, ev_st, app);
  return r;
}

// Makes the canvas and sets up the off-screen drawing; paints nothing. Without a canvas the
// drawing stays off: later paints only refresh buf and bf.
UINT32 MainStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind) {
  if (kind != ENTER_STATE_ENTER) return 0;
  APP_UtilUISDialogDelete(&app->dialog);
  UINT32 context = app->ui_context;
  UIS_DIALOG_T h = UIS_CreateColorCanvas(&context, &bufd, 1);
  if (h == 0) {
    can_draw = 0;
    return 1;
  }
  app->dialog = h;
  AHG_Init();
  can_draw = 1;
  return 0;
}

// Event 0x14, in every state: the whole screen again. Not consumed.
UINT32 Tim(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  paint();
  return 0;
}

}  // extern "C"
