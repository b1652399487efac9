// The platform's character editor: a dialog that edits one line of 16-bit text with a cursor.
// Headless, the script types, confirms and goes back; the window draws it from this state and
// edits at the cursor.
#pragma once

#include <cstddef>
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

  // Opens the editor with the initial text (cut to maxChars units) and title, the cursor after
  // the text. Returns its handle, or 0 when an editor is already open or opening is made to fail.
  UIS_DIALOG_T open(std::u16string text, uint8_t type, uint32_t maxChars, uint8_t visible,
                    std::u16string title);
  bool close(UIS_DIALOG_T handle);
  bool owns(UIS_DIALOG_T handle) const { return open_ && handle == handle_; }

  bool isOpen() const { return open_; }
  UIS_DIALOG_T handle() const { return open_ ? handle_ : 0; }
  const std::u16string& title() const { return title_; }
  // The text as 16-bit units. Its length never exceeds maxChars units: the program's buffer
  // for the answer is sized by that number, so a character of two units counts twice.
  const std::u16string& text() const { return text_; }
  uint32_t maxChars() const { return maxChars_; }
  uint8_t editType() const { return type_; }
  uint8_t visible() const { return visible_; }

  // The cursor: the number of units before it, 0 to text().size(), never between the two
  // units of a surrogate pair.
  size_t cursor() const { return cursor_; }

  // The user's input; each returns false when no editor is open.
  bool type(std::u16string_view text);  // replaces the whole text (cut to maxChars), cursor
                                        // to its end
  bool ok();                            // sends 0x2020 to the program
  bool back();                          // sends 0x2008 to the program

  // Editing at the cursor (the window's keys); each returns false when no editor is open.
  // Moves the cursor to `position` units, kept within the text and off a pair's middle (a
  // position inside a pair moves to the pair's start).
  bool moveCursor(size_t position);
  bool left();   // one character back
  bool right();  // one character on
  bool home();
  bool end();
  // Inserts at the cursor as much of `text` as fits in maxChars, whole characters only, and
  // moves the cursor after it. Returns false also when nothing at all fitted.
  bool insert(std::u16string_view text);
  bool backspace();  // deletes the character before the cursor; false at the start
  bool del();        // deletes the character after the cursor; false at the end

  // The editor's answer to a request for its text: its text as 16-bit units with a 0 unit,
  // kept valid until the next answer or reset (also after the editor is closed).
  WCHAR* answer();

  // Test hook: the next open fails.
  void failNextOpen() { failNext_ = true; }
  void reset();

 private:
  // Where `position` lands: within the text, moved back off the middle of a pair.
  size_t boundary(size_t position) const;

  bool open_ = false;
  bool failNext_ = false;
  UIS_DIALOG_T handle_ = 0;
  uint32_t opened_ = 0;
  std::u16string text_, title_;
  size_t cursor_ = 0;
  uint32_t maxChars_ = 0;
  uint8_t type_ = 0, visible_ = 0;
  std::vector<WCHAR> answer_;
};

}  // namespace phone
