// Application framework: loader, registration, states, event dispatch, timers.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <phone/app.h>

namespace phone {

class Image;  // a loaded application image (image.h)

// Where the program is in its life.
enum class ProgramStatus {
  Unloaded,  // no image
  Loaded,    // image loaded, program not (yet) started
  Running,   // started and not exited: events are delivered
  Exited,    // APP_Exit called, image not unloaded yet
};

class Framework {
 public:
  // The event code the loader hands to Lib; codes marked -2 are numbered from here.
  static constexpr uint32_t kLoaderEventCode = 0x20000000;
  // The value of the record's UI-context field.
  static constexpr uint32_t kUiContext = 0x55490001;

  Framework();
  ~Framework();
  Framework(const Framework&) = delete;
  Framework& operator=(const Framework&) = delete;

  // Loads the image, calls Lib(programPath, 0, event code), starts the program, grants the UI
  // token, posts event 0x14 once and dispatches until the queue is empty. An image already
  // loaded is closed first (its exit routine runs if it is still running). Throws
  // std::runtime_error with the cause when the image cannot be loaded or has no Lib.
  void load(const std::filesystem::path& image, const std::string& programPath);
  // Unloads the image at once, without calling the program (as a phone switched off would).
  void reset();

  ProgramStatus status() const;
  bool running() const { return status() == ProgramStatus::Running; }
  uint32_t currentState() const;
  APPLICATION_T* record();                // the application record, or null before start
  const STATE_HANDLERS_ENTRY_T* stateTable() const;
  uint32_t stateCount() const;
  const std::vector<uint32_t>& registeredCodes() const;
  const std::string& appName() const;     // as given to APP_Start
  Image* image();                         // the loaded image, or null
  EVENT_STACK_T* eventStack();            // the event context handed to the program

  // Queue an event and dispatch until the queue is empty. Ignored unless running.
  void pressKey(uint8_t code);
  void sendEvent(uint32_t code);
  void sendEvent(const EVENT_T& event);
  // Queue an event without dispatching it; run() dispatches until the queue is empty.
  void post(const EVENT_T& event);
  void run();
  static EVENT_T keyEvent(uint8_t code);
  static EVENT_T event(uint32_t code);
  size_t queued() const;
  // Advance the platform clock; every timer tick on the way is dispatched at its own time.
  void advance(uint32_t ms);
  // The platform closes the program: calls its exit routine (destroyApp).
  void destroy();

  // Calls the enter or exit routine of `state` with `kind` as the platform would (tests).
  // Returns the routine's result, or nullopt when the state has no such routine.
  std::optional<uint32_t> enterState(uint32_t state, uint32_t kind);
  std::optional<uint32_t> exitState(uint32_t state, uint32_t kind);

  // Test hook: AFW_InquireRoutingStackByRegId answers 0 (no routing stack).
  void failRoutingStack(bool fail);

  // Timers running now (ids).
  std::vector<uint32_t> timers() const;

  // ---- Used by the platform calls (app_calls.cpp, dialogs.cpp) ----
  uint32_t registerApp(const UINT32* codes, uint32_t nCodes, const STATE_HANDLERS_ENTRY_T* table,
                       uint32_t nStates, APP_START_FN start);
  bool routingStack(REG_ID_T id) const;
  uint32_t requestStart(uint32_t evCode);
  uint32_t requestUnload(const void* imageStart);
  APPLICATION_T* initAppData(EVENT_HANDLER_FN dispatcher, uint32_t size, REG_ID_T id);
  uint32_t start(APPLICATION_T* app, uint32_t startState, const STATE_HANDLERS_ENTRY_T* table,
                 EVENT_HANDLER_FN exitFn, const char* name);
  uint32_t dispatch(APPLICATION_T* app);  // APP_HandleEvent
  uint32_t changeState(uint32_t newState, APPLICATION_T* app);
  uint32_t exitApp(APPLICATION_T* app);
  EVENT_T* currentEvent();
  void consume();
  uint32_t addEvent(uint32_t code);
  // Events added during the current call, not yet queued (the editor answers through them).
  std::vector<EVENT_T>& addedEvents();
  uint32_t startTimer(uint32_t periodMs, uint32_t id, APPLICATION_T* app);
  uint32_t stopTimers(APPLICATION_T* app);
  bool isRecord(const APPLICATION_T* app) const;
  bool isEventStack(const EVENT_STACK_T* st) const;

 private:
  struct State;
  std::unique_ptr<State> s_;

  template <class F>
  auto topLevel(std::string_view what, F&& f);
  void drain();
  void queueEvent(const EVENT_T& event);
  void unloadNow();
  const STATE_HANDLERS_ENTRY_T* findState(uint32_t state) const;
};

}  // namespace phone
