// The loader, framework, event and timer calls.
#include <phone/app.h>

#include "framework.h"
#include "platform.h"

namespace {
phone::Framework& fw() { return phone::platform().framework(); }
phone::Trace& trace() { return phone::platform().trace(); }
}  // namespace

extern "C" {

UINT32 LdrStartApp(UINT32 ev_code) {
  trace().record("LdrStartApp", {ev_code});
  return fw().requestStart(ev_code);
}

UINT32 LdrUnloadELF(void* image_start) {
  trace().record("LdrUnloadELF", {image_start != nullptr});
  return fw().requestUnload(image_start);
}

UINT32 APP_Register(const UINT32* ev_codes, UINT32 n_codes, const STATE_HANDLERS_ENTRY_T* table,
                    UINT32 n_states, APP_START_FN start) {
  trace().record("APP_Register", {ev_codes ? *ev_codes : 0, n_codes, table != nullptr, n_states,
                                  start != nullptr});
  return fw().registerApp(ev_codes, n_codes, table, n_states, start);
}

UINT32 AFW_InquireRoutingStackByRegId(REG_ID_T reg_id) {
  UINT32 r = fw().routingStack(reg_id) ? 1 : 0;
  trace().record("AFW_InquireRoutingStackByRegId", {reg_id, r});
  return r;
}

UINT32 APP_HandleEvent(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  trace().record("APP_HandleEvent", {fw().currentEvent()->code});
  if (!fw().isEventStack(ev_st)) return 1;
  return fw().dispatch(app);
}

APPLICATION_T* APP_InitAppData(EVENT_HANDLER_FN dispatcher, UINT32 size, REG_ID_T reg_id,
                               UINT32 a, UINT32 b, UINT32 c, UINT32 d, UINT32 e, UINT32 f) {
  APPLICATION_T* app = fw().initAppData(dispatcher, size, reg_id);
  trace().record("APP_InitAppData", {dispatcher == APP_HandleEvent, size, reg_id, a, b, c, d, e,
                                     f, app != nullptr});
  return app;
}

UINT32 APP_Start(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 start_state,
                 const STATE_HANDLERS_ENTRY_T* table, EVENT_HANDLER_FN exit_fn,
                 const char* app_name, UINT32 flags) {
  trace().record("APP_Start", {ev_st != nullptr, app != nullptr, start_state, table != nullptr,
                               exit_fn != nullptr, app_name != nullptr, flags});
  return fw().start(app, start_state, table, exit_fn, app_name);
}

UINT32 APP_UtilChangeState(UINT32 new_state, EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  trace().record("APP_UtilChangeState", {new_state, fw().currentState()});
  if (!fw().isEventStack(ev_st)) return 1;
  return fw().changeState(new_state, app);
}

UINT32 APP_HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  trace().record("APP_HandleUITokenGranted", {});
  if (!fw().isEventStack(ev_st) || !fw().isRecord(app)) return 1;
  app->token_status = TOKEN_STATUS_HELD;
  return 0;
}

UINT32 APP_HandleUITokenRevoked(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  trace().record("APP_HandleUITokenRevoked", {});
  if (!fw().isEventStack(ev_st) || !fw().isRecord(app)) return 1;
  app->token_status = 0;
  return 0;
}

UINT32 APP_Exit(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 flags) {
  trace().record("APP_Exit", {flags});
  if (!fw().isEventStack(ev_st)) return 1;
  return fw().exitApp(app);
}

EVENT_T* AFW_GetEv(EVENT_STACK_T* ev_st) {
  trace().record("AFW_GetEv", {fw().currentEvent()->code});
  return fw().isEventStack(ev_st) ? fw().currentEvent() : nullptr;
}

UINT32 APP_ConsumeEv(EVENT_STACK_T* ev_st, APPLICATION_T* app) {
  trace().record("APP_ConsumeEv", {fw().currentEvent()->code});
  if (!fw().isEventStack(ev_st) || !fw().isRecord(app)) return 1;
  fw().consume();
  return 0;
}

UINT32 AFW_AddEvEvD(EVENT_STACK_T* ev_st, UINT32 code, void* data) {
  trace().record("AFW_AddEvEvD", {code, data != nullptr});
  if (!fw().isEventStack(ev_st)) return 1;
  return fw().addEvent(code);
}

UINT32 APP_UtilStartCyclicalTimer(UINT32 period_ms, UINT32 id, APPLICATION_T* app) {
  trace().record("APP_UtilStartCyclicalTimer", {period_ms, id});
  return fw().startTimer(period_ms, id, app);
}

UINT32 APP_UtilStopTimer(APPLICATION_T* app) {
  trace().record("APP_UtilStopTimer", {});
  return fw().stopTimers(app);
}

}  // extern "C"
