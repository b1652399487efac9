#include "framework.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "clock.h"
#include "editor.h"
#include "files.h"
#include "image.h"
#include "log.h"
#include "memory.h"
#include "platform.h"

// The event context handed to the program: the platform's handle to the event in flight.
struct EVENT_STACK_T {
  phone::Framework* owner;
};

namespace phone {

namespace {

constexpr REG_ID_T kRegId = 0x52470001;
// A handler list longer than this has lost its ending entry.
constexpr size_t kMaxHandlers = 1024;

EVENT_T makeEvent(uint32_t code) {
  EVENT_T event;
  std::memset(&event, 0, sizeof event);
  event.code = code;
  return event;
}

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

}  // namespace

struct Framework::State {
  struct Registration {
    std::vector<uint32_t> codes;
    const STATE_HANDLERS_ENTRY_T* table = nullptr;
    uint32_t count = 0;
    APP_START_FN start = nullptr;
  };
  struct Timer {
    uint32_t id, period;
    uint64_t due, order;
  };

  std::unique_ptr<Image> image;
  std::string programPath;
  std::optional<Registration> reg;
  bool startRequested = false;
  std::unique_ptr<APPLICATION_T> record;
  EVENT_HANDLER_FN dispatcher = nullptr;
  EVENT_HANDLER_FN exitFn = nullptr;
  std::string appName;
  bool started = false, exited = false;
  uint32_t state = 0;

  EVENT_STACK_T stack{};
  std::deque<EVENT_T> queue;
  EVENT_T current = makeEvent(0);
  bool consumed = false;
  std::vector<EVENT_T> added;

  std::vector<Timer> timers;
  uint64_t timerOrder = 0;

  int depth = 0;
  bool unloadPending = false;
  bool failRouting = false;
};

Framework::Framework() : s_(std::make_unique<State>()) { s_->stack.owner = this; }

Framework::~Framework() { reset(); }

// A call from the platform into the program. When the outermost one returns, events the
// program added are queued, blocks it still holds are violations and a requested unload
// happens (the image's code is no longer on the stack).
template <class F>
auto Framework::topLevel(std::string_view what, F&& f) {
  bool outer = s_->depth == 0;
  if (outer) platform().memory().beginCall(what);
  ++s_->depth;
  auto result = f();
  --s_->depth;
  if (outer) {
    s_->queue.insert(s_->queue.begin(), s_->added.begin(), s_->added.end());
    s_->added.clear();
    platform().memory().checkAfter(what);
    platform().memory().beginCall("");
    if (s_->unloadPending) unloadNow();
  }
  return result;
}

void Framework::load(const std::filesystem::path& imagePath, const std::string& programPath) {
  if (s_->image) {
    if (running()) destroy();
    unloadNow();
  }
  auto image = std::make_unique<Image>(imagePath);
  auto* lib = image->symbol<UINT32(const char*, UINT32, UINT32)>("Lib");
  s_->image = std::move(image);
  s_->programPath = programPath;
  topLevel("Lib", [&] { return lib(s_->programPath.c_str(), 0, kLoaderEventCode); });
  if (!s_->image || !s_->startRequested || !s_->reg) return;
  s_->startRequested = false;
  topLevel("startApp", [&] { return s_->reg->start(&s_->stack, kRegId); });
  if (!running()) return;
  queueEvent(makeEvent(EV_GRANT_TOKEN));
  drain();
  queueEvent(makeEvent(EV_REPAINT));
  drain();
}

void Framework::reset() {
  if (s_->image || s_->record) unloadNow();
  s_->failRouting = false;
}

void Framework::unloadNow() {
  auto& p = platform();
  p.files().abandonAll();
  if (p.editor().isOpen()) p.editor().close(p.editor().handle());
  p.memory().releaseAll();
  s_->image.reset();  // dlclose: the next load starts from the image's load-time state
  s_->programPath.clear();
  s_->reg.reset();
  s_->startRequested = false;
  s_->record.reset();
  s_->dispatcher = s_->exitFn = nullptr;
  s_->appName.clear();
  s_->started = s_->exited = false;
  s_->state = 0;
  s_->queue.clear();
  s_->added.clear();
  s_->current = makeEvent(0);
  s_->timers.clear();
  s_->unloadPending = false;
}

ProgramStatus Framework::status() const {
  if (!s_->image) return ProgramStatus::Unloaded;
  if (!s_->started) return ProgramStatus::Loaded;
  return s_->exited ? ProgramStatus::Exited : ProgramStatus::Running;
}

uint32_t Framework::currentState() const { return s_->state; }
APPLICATION_T* Framework::record() { return s_->record.get(); }
const STATE_HANDLERS_ENTRY_T* Framework::stateTable() const {
  return s_->reg ? s_->reg->table : nullptr;
}
uint32_t Framework::stateCount() const { return s_->reg ? s_->reg->count : 0; }
const std::vector<uint32_t>& Framework::registeredCodes() const {
  static const std::vector<uint32_t> none;
  return s_->reg ? s_->reg->codes : none;
}
const std::string& Framework::appName() const { return s_->appName; }
Image* Framework::image() { return s_->image.get(); }
EVENT_STACK_T* Framework::eventStack() { return &s_->stack; }

void Framework::queueEvent(const EVENT_T& event) {
  if (running()) s_->queue.push_back(event);
}

void Framework::drain() {
  while (running() && !s_->queue.empty() && s_->depth == 0) {
    s_->current = s_->queue.front();
    s_->queue.pop_front();
    s_->consumed = false;
    EVENT_HANDLER_FN dispatcher = s_->dispatcher ? s_->dispatcher : APP_HandleEvent;
    topLevel("event " + hex(s_->current.code),
             [&] { return dispatcher(&s_->stack, s_->record.get()); });
  }
}

EVENT_T Framework::keyEvent(uint8_t code) {
  EVENT_T event = makeEvent(EV_KEY_PRESS);
  event.key = code;
  return event;
}

EVENT_T Framework::event(uint32_t code) { return makeEvent(code); }

size_t Framework::queued() const { return s_->queue.size(); }

void Framework::post(const EVENT_T& event) { queueEvent(event); }

void Framework::run() { drain(); }

void Framework::pressKey(uint8_t code) { sendEvent(keyEvent(code)); }

void Framework::sendEvent(uint32_t code) { sendEvent(makeEvent(code)); }

void Framework::sendEvent(const EVENT_T& event) {
  queueEvent(event);
  drain();
}

void Framework::advance(uint32_t ms) {
  Clock& clock = platform().clock();
  uint64_t target = clock.now() + ms;
  for (;;) {
    auto next = std::min_element(s_->timers.begin(), s_->timers.end(), [](auto& a, auto& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (next == s_->timers.end() || next->due > target) break;
    clock.setNow(next->due);
    next->due += next->period;
    queueEvent(makeEvent(EV_TIMER_EXPIRED));
    drain();
  }
  clock.setNow(target);
}

void Framework::destroy() {
  if (!running() || !s_->exitFn) return;
  EVENT_HANDLER_FN exitFn = s_->exitFn;
  s_->current = makeEvent(0);
  topLevel("destroyApp", [&] { return exitFn(&s_->stack, s_->record.get()); });
}

std::optional<uint32_t> Framework::enterState(uint32_t state, uint32_t kind) {
  const auto* entry = findState(state);
  if (!entry || !entry->enter || !s_->record) return std::nullopt;
  uint32_t r = topLevel("enter " + std::to_string(state),
                        [&] { return entry->enter(&s_->stack, s_->record.get(), kind); });
  drain();
  return r;
}

std::optional<uint32_t> Framework::exitState(uint32_t state, uint32_t kind) {
  const auto* entry = findState(state);
  if (!entry || !entry->exit || !s_->record) return std::nullopt;
  uint32_t r = topLevel("exit " + std::to_string(state),
                        [&] { return entry->exit(&s_->stack, s_->record.get(), kind); });
  drain();
  return r;
}

void Framework::failRoutingStack(bool fail) { s_->failRouting = fail; }

std::vector<uint32_t> Framework::timers() const {
  std::vector<uint32_t> ids;
  for (const auto& t : s_->timers) ids.push_back(t.id);
  return ids;
}

const STATE_HANDLERS_ENTRY_T* Framework::findState(uint32_t state) const {
  if (!s_->reg || !s_->reg->table) return nullptr;
  for (uint32_t i = 0; i < s_->reg->count; ++i)
    if (s_->reg->table[i].state == state) return &s_->reg->table[i];
  return nullptr;
}

// ---- The platform calls ----

uint32_t Framework::registerApp(const UINT32* codes, uint32_t nCodes,
                                const STATE_HANDLERS_ENTRY_T* table, uint32_t nStates,
                                APP_START_FN start) {
  auto& log = platform().log();
  if (!s_->image) return 1;
  if (s_->reg) {
    log.platform("APP_Register: the program is registered already");
    return 1;
  }
  if (!table || nStates == 0 || nStates > 256 || !start || (!codes && nCodes) || nCodes > 64) {
    log.platform("APP_Register: no state table, no start routine or bad counts");
    return 1;
  }
  State::Registration reg;
  reg.codes.assign(codes, codes + nCodes);
  reg.table = table;
  reg.count = nStates;
  reg.start = start;
  s_->reg = std::move(reg);
  return 0;
}

bool Framework::routingStack(REG_ID_T id) const {
  return !s_->failRouting && s_->reg && id == kRegId;
}

uint32_t Framework::requestStart(uint32_t evCode) {
  if (!s_->reg || std::find(s_->reg->codes.begin(), s_->reg->codes.end(), evCode) ==
                      s_->reg->codes.end()) {
    platform().log().platform("LdrStartApp: no program is registered for event code " +
                              hex(evCode));
    return 1;
  }
  if (s_->started) return 1;
  s_->startRequested = true;
  return 0;
}

uint32_t Framework::requestUnload(const void* imageStart) {
  if (!s_->image || imageStart != s_->image->find("Lib")) {
    platform().log().platform("LdrUnloadELF: not the start of the loaded image");
    return 1;
  }
  // The call comes from inside the image: it is closed once the call in flight returns.
  s_->unloadPending = true;
  if (s_->depth == 0) unloadNow();
  return 0;
}

APPLICATION_T* Framework::initAppData(EVENT_HANDLER_FN dispatcher, uint32_t size, REG_ID_T id) {
  if (size != sizeof(APPLICATION_T) || !s_->reg || id != kRegId) {
    platform().log().platform("APP_InitAppData: size " + std::to_string(size) +
                              " or registration id is wrong");
    return nullptr;
  }
  if (!s_->record) {
    s_->record = std::make_unique<APPLICATION_T>();
    std::memset(s_->record.get(), 0, sizeof(APPLICATION_T));
    s_->record->ui_context = kUiContext;
  }
  s_->dispatcher = dispatcher;
  return s_->record.get();
}

uint32_t Framework::start(APPLICATION_T* app, uint32_t startState,
                          const STATE_HANDLERS_ENTRY_T* table, EVENT_HANDLER_FN exitFn,
                          const char* name) {
  if (!isRecord(app) || s_->started || !s_->reg) return 1;
  if (table && table != s_->reg->table) {
    platform().log().platform("APP_Start: not the registered state table");
    return 1;
  }
  const auto* entry = findState(startState);
  if (!entry) {
    platform().log().platform("APP_Start: no state " + std::to_string(startState));
    return 1;
  }
  s_->appName.clear();
  for (size_t i = 0; name && i < 13 && name[i]; ++i) s_->appName += name[i];
  s_->exitFn = exitFn;
  s_->started = true;
  s_->state = startState;
  if (entry->enter) entry->enter(&s_->stack, app, ENTER_STATE_ENTER);
  return 0;
}

// Routes the event in flight to the current state's handlers, then to the any-state handlers,
// until one consumes it. A handler that changes the state ends the walk of the old state's
// list; a program that exits gets no more calls.
uint32_t Framework::dispatch(APPLICATION_T* app) {
  if (!running() || !isRecord(app)) return 1;
  const uint32_t code = s_->current.code;
  auto walk = [&](uint32_t state) {
    const auto* entry = findState(state);
    if (!entry || !entry->handlers) return;
    for (size_t i = 0; i < kMaxHandlers; ++i) {
      const EVENT_HANDLER_ENTRY_T& h = entry->handlers[i];
      if (h.code == EV_CODE_END) return;
      if (uint32_t(h.code) != code || !h.handler) continue;
      h.handler(&s_->stack, app);
      if (s_->consumed || !running() || s_->state != state) return;
    }
    platform().log().platform("the handler list of state " + std::to_string(state) +
                              " has no end");
  };
  const uint32_t state = s_->state;
  walk(state);
  if (state != STATE_ANY && !s_->consumed && running()) walk(STATE_ANY);
  return 0;
}

uint32_t Framework::changeState(uint32_t newState, APPLICATION_T* app) {
  if (!running() || !isRecord(app)) return 1;
  const auto* to = findState(newState);
  if (!to) {
    platform().log().platform("APP_UtilChangeState: no state " + std::to_string(newState));
    return 1;
  }
  const auto* from = findState(s_->state);
  if (from && from->exit) from->exit(&s_->stack, app, EXIT_STATE_EXIT);
  s_->state = newState;
  if (to->enter) to->enter(&s_->stack, app, ENTER_STATE_ENTER);
  return 0;
}

uint32_t Framework::exitApp(APPLICATION_T* app) {
  if (!isRecord(app) || !s_->started) return 1;
  s_->exited = true;
  s_->timers.clear();
  s_->queue.clear();
  s_->added.clear();
  return 0;
}

EVENT_T* Framework::currentEvent() { return &s_->current; }
void Framework::consume() { s_->consumed = true; }

uint32_t Framework::addEvent(uint32_t code) {
  if (!running()) return 1;
  s_->added.push_back(makeEvent(code));
  return 0;
}

std::vector<EVENT_T>& Framework::addedEvents() { return s_->added; }

uint32_t Framework::startTimer(uint32_t periodMs, uint32_t id, APPLICATION_T* app) {
  if (!running() || !isRecord(app) || periodMs == 0) return 1;
  std::erase_if(s_->timers, [&](auto& t) { return t.id == id; });
  s_->timers.push_back({id, periodMs, platform().clock().now() + periodMs, s_->timerOrder++});
  return 0;
}

uint32_t Framework::stopTimers(APPLICATION_T* app) {
  if (!isRecord(app)) return 1;
  s_->timers.clear();
  return 0;
}

bool Framework::isRecord(const APPLICATION_T* app) const {
  return app && app == s_->record.get();
}

bool Framework::isEventStack(const EVENT_STACK_T* st) const { return st == &s_->stack; }

}  // namespace phone
