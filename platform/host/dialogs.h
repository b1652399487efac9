// The dialog side of the UI calls: making and deleting canvases and the character editor.
// Canvas drawing is canvas.h; the editor's state is editor.h.
#pragma once

namespace phone {

class Dialogs {
 public:
  // Test hook: canvas creation fails while on.
  void failCanvasCreation(bool on) { failCanvas_ = on; }
  bool canvasCreationFails() const { return failCanvas_; }
  void reset() { failCanvas_ = false; }

 private:
  bool failCanvas_ = false;
};

}  // namespace phone
