#include "editor.h"

#include <algorithm>

#include <phone/app.h>

#include "framework.h"
#include "platform.h"

namespace phone {

namespace {

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The first at most `units` units of `text`, not ending between the two units of a pair.
std::u16string_view cut(std::u16string_view text, size_t units) {
  if (units >= text.size()) return text;
  if (units > 0 && isHigh(text[units - 1]) && isLow(text[units])) --units;
  return text.substr(0, units);
}

}  // namespace

UIS_DIALOG_T Editor::open(std::u16string text, uint8_t type, uint32_t maxChars, uint8_t visible,
                          std::u16string title) {
  if (failNext_) {
    failNext_ = false;
    return 0;
  }
  if (open_) return 0;
  text.resize(cut(text, maxChars).size());
  open_ = true;
  handle_ = kHandleTag | (++opened_ & 0xFFFFFF);
  text_ = std::move(text);
  cursor_ = text_.size();
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
  text_ = cut(text, maxChars_);
  cursor_ = text_.size();
  return true;
}

size_t Editor::boundary(size_t position) const {
  position = std::min(position, text_.size());
  if (position > 0 && position < text_.size() && isHigh(text_[position - 1]) &&
      isLow(text_[position]))
    --position;
  return position;
}

bool Editor::moveCursor(size_t position) {
  if (!open_) return false;
  cursor_ = boundary(position);
  return true;
}

bool Editor::left() {
  if (!open_) return false;
  if (cursor_ > 0) cursor_ = boundary(cursor_ - 1);
  return true;
}

bool Editor::right() {
  if (!open_) return false;
  if (cursor_ < text_.size()) {
    const bool pair = cursor_ + 1 < text_.size() && isHigh(text_[cursor_]) &&
                      isLow(text_[cursor_ + 1]);
    cursor_ += pair ? 2 : 1;
  }
  return true;
}

bool Editor::home() { return moveCursor(0); }

bool Editor::end() { return moveCursor(text_.size()); }

bool Editor::insert(std::u16string_view text) {
  if (!open_) return false;
  const size_t room = maxChars_ > text_.size() ? maxChars_ - text_.size() : 0;
  const std::u16string_view fits = cut(text, room);
  if (fits.empty()) return false;
  text_.insert(cursor_, fits);
  cursor_ = boundary(cursor_ + fits.size());
  return true;
}

bool Editor::backspace() {
  if (!open_ || cursor_ == 0) return false;
  const size_t start = boundary(cursor_ - 1);
  text_.erase(start, cursor_ - start);
  cursor_ = start;
  return true;
}

bool Editor::del() {
  if (!open_ || cursor_ == text_.size()) return false;
  const size_t start = cursor_;
  right();
  text_.erase(start, cursor_ - start);
  cursor_ = start;
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
  cursor_ = 0;
  title_.clear();
  maxChars_ = 0;
  type_ = visible_ = 0;
  answer_.clear();
}

}  // namespace phone
