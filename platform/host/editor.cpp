#include "editor.h"

#include <phone/app.h>

#include "framework.h"
#include "platform.h"

namespace phone {

UIS_DIALOG_T Editor::open(std::u16string text, uint8_t type, uint32_t maxChars, uint8_t visible,
                          std::u16string title) {
  if (failNext_) {
    failNext_ = false;
    return 0;
  }
  if (open_) return 0;
  if (text.size() > maxChars) text.resize(maxChars);
  open_ = true;
  handle_ = kHandleTag | (++opened_ & 0xFFFFFF);
  text_ = std::move(text);
  title_ = std::move(title);
  maxChars_ = maxChars;
  type_ = type;
  visible_ = visible;
  return handle_;
}

bool Editor::close(UIS_DIALOG_T handle) {
  if (!owns(handle)) return false;
  open_ = false;
  return true;
}

bool Editor::type(std::u16string_view text) {
  if (!open_) return false;
  text_ = text.substr(0, maxChars_);
  return true;
}

bool Editor::ok() {
  if (!open_) return false;
  platform().framework().sendEvent(EV_DONE);
  return true;
}

bool Editor::back() {
  if (!open_) return false;
  platform().framework().sendEvent(EV_DIALOG_DONE);
  return true;
}

WCHAR* Editor::answer() {
  answer_.assign(text_.begin(), text_.end());
  answer_.push_back(0);
  return answer_.data();
}

void Editor::reset() {
  open_ = false;
  failNext_ = false;
  handle_ = 0;
  opened_ = 0;
  text_.clear();
  title_.clear();
  maxChars_ = 0;
  type_ = visible_ = 0;
  answer_.clear();
}

}  // namespace phone
