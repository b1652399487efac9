// Application framework: loader, registration, states, event dispatch, timers.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <phone/app.h>

namespace phone {

class Image;  // a loaded application image (image.h)

class Framework {
 public:
  Framework();
  ~Framework();

  // Loads the image, calls Lib(programPath, 0, event code), starts the program, grants the UI
  // token and dispatches until the queue is empty. Throws std::runtime_error with the cause
  // when the image cannot be loaded or has no Lib.
  void load(const std::filesystem::path& image, const std::string& programPath);

  bool running() const;                   // registered, started and not exited
  uint32_t currentState() const;
  APPLICATION_T* record();                // the application record, or null before start
  const STATE_HANDLERS_ENTRY_T* stateTable() const;
  uint32_t stateCount() const;
  Image* image();                         // the loaded image, or null

  // Queue an event and dispatch until the queue is empty.
  void pressKey(uint8_t code);
  void sendEvent(uint32_t code);
  // Advance the platform clock; every timer tick on the way is dispatched at its time.
  void advance(uint32_t ms);
  // The platform closes the program: calls its exit routine (destroyApp).
  void destroy();

  // Used by the C calls.
  // ... (implementation detail; see framework.cpp)

 private:
  struct State;
  std::unique_ptr<State> s_;
  friend struct FrameworkAccess;
};

}  // namespace phone
