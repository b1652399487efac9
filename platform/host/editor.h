// The platform's character editor: a dialog that edits one line of 16-bit text.
// Headless, the script types, confirms and goes back; the window draws it from this state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <phone/types.h>

namespace phone {

class Editor {
 public:
  // Editor handles carry this tag, so that a dialog slot's handle never names a canvas too.
  static constexpr UIS_DIALOG_T kHandleTag = 0x45000000;

  // Opens the editor with the initial text (cut to maxChars) and title. Returns its handle,
  // or 0 when an editor is already open or opening is made to fail.
  UIS_DIALOG_T open(std::u16string text, uint8_t type, uint32_t maxChars, uint8_t visible,
                    std::u16string title);
  bool close(UIS_DIALOG_T handle);
  bool owns(UIS_DIALOG_T handle) const { return open_ && handle == handle_; }

  bool isOpen() const { return open_; }
  UIS_DIALOG_T handle() const { return open_ ? handle_ : 0; }
  const std::u16string& title() const { return title_; }
  const std::u16string& text() const { return text_; }
  uint32_t maxChars() const { return maxChars_; }
  uint8_t editType() const { return type_; }
  uint8_t visible() const { return visible_; }

  // The user's input; false when no editor is open.
  bool type(std::u16string_view text);  // replaces the text, cut to maxChars
  bool ok();                            // sends 0x2020 to the program
  bool back();                          // sends 0x2008 to the program

  // The editor's answer to a request for its text: its text as 16-bit units with a 0 unit,
  // kept valid until the next answer or reset (also after the editor is closed).
  WCHAR* answer();

  // Test hook: the next open fails.
  void failNextOpen() { failNext_ = true; }
  void reset();

 private:
  bool open_ = false;
  bool failNext_ = false;
  UIS_DIALOG_T handle_ = 0;
  uint32_t opened_ = 0;
  std::u16string text_, title_;
  uint32_t maxChars_ = 0;
  uint8_t type_ = 0, visible_ = 0;
  std::vector<WCHAR> answer_;
};

}  // namespace phone
