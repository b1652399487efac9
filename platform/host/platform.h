// The host firmware: one platform instance that answers every platform call.
#pragma once

#include <memory>

#include "trace.h"

namespace phone {

class Display;
class Canvas;
class Ahi;
class Framework;
class Files;
class Memory;
class Clock;
class Language;
class Resources;
class Editor;
class DebugLog;
class Dialogs;

class Platform {
 public:
  // The one instance behind the C calls of platform/include.
  static Platform& instance();

  // Back to the state of a phone just switched on (tests start from here). Unloads any image.
  void reset();

  Display& display() { return *display_; }
  Canvas& canvas() { return *canvas_; }
  Ahi& ahi() { return *ahi_; }
  Framework& framework() { return *framework_; }
  Files& files() { return *files_; }
  Memory& memory() { return *memory_; }
  Clock& clock() { return *clock_; }
  Language& language() { return *language_; }
  Resources& resources() { return *resources_; }
  Editor& editor() { return *editor_; }
  DebugLog& log() { return *log_; }
  Dialogs& dialogs() { return *dialogs_; }
  Trace& trace() { return trace_; }

  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

 private:
  Platform();

  std::unique_ptr<Display> display_;
  std::unique_ptr<Canvas> canvas_;
  std::unique_ptr<Ahi> ahi_;
  std::unique_ptr<Framework> framework_;
  std::unique_ptr<Files> files_;
  std::unique_ptr<Memory> memory_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<Language> language_;
  std::unique_ptr<Resources> resources_;
  std::unique_ptr<Editor> editor_;
  std::unique_ptr<DebugLog> log_;
  std::unique_ptr<Dialogs> dialogs_;
  Trace trace_;
};

inline Platform& platform() { return Platform::instance(); }

}  // namespace phone
