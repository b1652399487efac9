// Application framework, events, timers and the loader.
#pragma once

#include <phone/types.h>

// The platform's handle to the event being dispatched.
typedef struct EVENT_STACK_T EVENT_STACK_T;

// The 80-byte record of a running program. The platform owns the fields the programs do not use.
typedef struct APPLICATION_T {
  UINT8 reserved0[28];
  UINT32 dialog;        // 28: the dialog slot (canvas or character editor)
  UINT8 reserved1[4];
  UINT32 ui_context;    // 36: the UI-context field; its copy is given to dialog creation
  UINT8 reserved2[32];
  UINT8 token_status;   // 72: 2 = the program holds the UI token
  UINT8 reserved3[7];
} APPLICATION_T;

static_assert(sizeof(APPLICATION_T) == 80, "application record is 80 bytes");
static_assert(offsetof(APPLICATION_T, dialog) == 28, "dialog slot at 28");
static_assert(offsetof(APPLICATION_T, ui_context) == 36, "UI context at 36");
static_assert(offsetof(APPLICATION_T, token_status) == 72, "token status at 72");

#define TOKEN_STATUS_HELD 2

// One event. The key code of a key press is the byte at offset 32; the character editor's
// data event carries the address of its 16-bit text at offset 288.
typedef struct EVENT_T {
  UINT32 code;
  UINT8 reserved[28];
  UINT8 key;            // 32
  UINT8 data[255];      // 33..287: event data the programs do not read
  WCHAR* text;          // 288
} EVENT_T;

static_assert(offsetof(EVENT_T, key) == 32, "key code at 32");
static_assert(offsetof(EVENT_T, text) == 288, "editor text at 288");

// Event codes that the platform and the programs share.
#define EV_REPAINT 0x14
#define EV_GRANT_TOKEN 0x1E
#define EV_REVOKE_TOKEN 0x1F
#define EV_KEY_PRESS 0x2034
#define EV_TIMER_EXPIRED 0x8205A
#define EV_DONE 0x2020            // character editor: the user confirmed
#define EV_REQUEST_DATA 0x202B    // program asks the editor for its text
#define EV_DATA 0x200F            // editor delivers its text (EVENT_T.text)
#define EV_DIALOG_DONE 0x2008     // character editor: the user went back

#define EV_CODE_END (-1)          // ends a handler list
#define EV_CODE_ASSIGNED (-2)     // code assigned by Register from the loader's event code

typedef UINT32 (*EVENT_HANDLER_FN)(EVENT_STACK_T* ev_st, APPLICATION_T* app);
typedef UINT32 (*STATE_ENTER_FN)(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
typedef UINT32 (*STATE_EXIT_FN)(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
typedef UINT32 (*APP_START_FN)(EVENT_STACK_T* ev_st, REG_ID_T reg_id);

#define ENTER_STATE_ENTER 0       // plain entry; other kinds are resumptions
#define EXIT_STATE_EXIT 0         // plain exit; 1 = suspended, the dialog stays

// Handler list entry: 8 bytes on the phone.
typedef struct EVENT_HANDLER_ENTRY_T {
  INT32 code;
  EVENT_HANDLER_FN handler;
} EVENT_HANDLER_ENTRY_T;

// State table entry: 16 bytes on the phone.
typedef struct STATE_HANDLERS_ENTRY_T {
  UINT8 state;
  UINT8 pad[3];
  STATE_ENTER_FN enter;
  STATE_EXIT_FN exit;
  EVENT_HANDLER_ENTRY_T* handlers;
} STATE_HANDLERS_ENTRY_T;

#if PHONE_32BIT
static_assert(sizeof(EVENT_HANDLER_ENTRY_T) == 8, "handler entry is 8 bytes on the phone");
static_assert(sizeof(STATE_HANDLERS_ENTRY_T) == 16, "state entry is 16 bytes on the phone");
static_assert(sizeof(EVENT_T) == 292, "event layout on the phone");
#endif

#define STATE_ANY 0

// The image's entry point, the first routine of the image: the loader calls it with the path
// of the program file, 0 and the event code by which the program is to be started.
typedef UINT32 (*APP_ENTRY_FN)(const char* program_path, UINT32 reserved, UINT32 ev_code);

extern "C" {

// Entry point, defined by each image.
UINT32 Lib(const char* program_path, UINT32 reserved, UINT32 ev_code);

// Loader.
UINT32 LdrStartApp(UINT32 ev_code);
UINT32 LdrUnloadELF(void* image_start);

// Framework.
UINT32 APP_Register(const UINT32* ev_codes, UINT32 n_codes, const STATE_HANDLERS_ENTRY_T* table,
                    UINT32 n_states, APP_START_FN start);
UINT32 AFW_InquireRoutingStackByRegId(REG_ID_T reg_id);
UINT32 APP_HandleEvent(EVENT_STACK_T* ev_st, APPLICATION_T* app);
APPLICATION_T* APP_InitAppData(EVENT_HANDLER_FN dispatcher, UINT32 size, REG_ID_T reg_id,
                               UINT32 a, UINT32 b, UINT32 c, UINT32 d, UINT32 e, UINT32 f);
UINT32 APP_Start(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 start_state,
                 const STATE_HANDLERS_ENTRY_T* table, EVENT_HANDLER_FN exit_fn,
                 const char* app_name, UINT32 flags);
UINT32 APP_UtilChangeState(UINT32 new_state, EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 APP_HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 APP_HandleUITokenRevoked(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 APP_Exit(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 flags);

// Events.
EVENT_T* AFW_GetEv(EVENT_STACK_T* ev_st);
UINT32 APP_ConsumeEv(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 AFW_AddEvEvD(EVENT_STACK_T* ev_st, UINT32 code, void* data);

// Timer: EV_TIMER_EXPIRED every period until stopped.
UINT32 APP_UtilStartCyclicalTimer(UINT32 period_ms, UINT32 id, APPLICATION_T* app);
UINT32 APP_UtilStopTimer(APPLICATION_T* app);

}  // extern "C"
