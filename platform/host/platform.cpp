#include "platform.h"

#include "ahi.h"
#include "canvas.h"
#include "clock.h"
#include "dialogs.h"
#include "display.h"
#include "editor.h"
#include "files.h"
#include "framework.h"
#include "language.h"
#include "log.h"
#include "memory.h"
#include "resources.h"

namespace phone {

Platform& Platform::instance() {
  static Platform platform;
  return platform;
}

Platform::Platform()
    : display_(std::make_unique<Display>()),
      canvas_(std::make_unique<Canvas>()),
      ahi_(std::make_unique<Ahi>()),
      framework_(std::make_unique<Framework>()),
      files_(std::make_unique<Files>()),
      memory_(std::make_unique<Memory>()),
      clock_(std::make_unique<Clock>()),
      language_(std::make_unique<Language>()),
      resources_(std::make_unique<Resources>()),
      editor_(std::make_unique<Editor>()),
      log_(std::make_unique<DebugLog>()),
      dialogs_(std::make_unique<Dialogs>()) {
  canvas_->reset();
}

// The image goes first, while everything it may still hold is alive.
Platform::~Platform() { framework_->reset(); }

void Platform::reset() {
  framework_->reset();  // unloads the image: its open files are abandoned, its blocks freed
  *display_ = Display{};
  canvas_->reset();
  ahi_->reset();
  files_->reset();
  memory_->reset();
  clock_->reset();
  language_->reset();
  resources_->reset();
  editor_->reset();
  log_->clear();
  dialogs_->reset();
  trace_.clear();
  trace_.enable(false);
}

}  // namespace phone
