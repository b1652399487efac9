// UIS_CreateColorCanvas, UIS_CreateCharacterEditor, UIS_HandleEvent, APP_UtilUISDialogDelete,
// UIS_CanvasSetBackLight.
#include "dialogs.h"

#include <phone/app.h>
#include <phone/uis.h>

#include "canvas.h"
#include "display.h"
#include "editor.h"
#include "framework.h"
#include "log.h"
#include "platform.h"
#include "resources.h"

namespace {

// Initial text: at most max_chars units, up to the first 0 unit.
std::u16string initialText(const WCHAR* text, UINT32 maxChars) {
  std::u16string out;
  if (!text) return out;
  for (UINT32 i = 0; i < maxChars && text[i]; ++i) out.push_back(char16_t(text[i]));
  return out;
}

}  // namespace

extern "C" {

UIS_DIALOG_T UIS_CreateColorCanvas(UINT32* ui_context, DRAWING_BUFFER_T* buffer, UINT32 flags) {
  auto& p = phone::platform();
  UIS_DIALOG_T canvas = 0;
  if (!ui_context || *ui_context != phone::Framework::kUiContext)
    p.log().platform("UIS_CreateColorCanvas without the program's UI context");
  else if (!p.dialogs().canvasCreationFails())
    canvas = p.canvas().create();
  p.trace().record("UIS_CreateColorCanvas",
                   {ui_context != nullptr, buffer != nullptr, buffer ? buffer->w : 0,
                    buffer ? buffer->h : 0, flags, canvas});
  return canvas;
}

UIS_DIALOG_T UIS_CreateCharacterEditor(UINT32* ui_context, WCHAR* text, UINT8 type,
                                       UINT32 max_chars, UINT8 visible, UINT32 reserved,
                                       RESOURCE_ID title) {
  auto& p = phone::platform();
  UIS_DIALOG_T editor = 0;
  if (!ui_context || *ui_context != phone::Framework::kUiContext)
    p.log().platform("UIS_CreateCharacterEditor without the program's UI context");
  else
    editor = p.editor().open(initialText(text, max_chars), type, max_chars, visible,
                             p.resources().text16(title));
  p.trace().record("UIS_CreateCharacterEditor", {ui_context != nullptr, text != nullptr, type,
                                                 max_chars, visible, reserved, title, editor});
  return editor;
}

UINT32 UIS_HandleEvent(UIS_DIALOG_T dialog, EVENT_STACK_T* ev_st) {
  auto& p = phone::platform();
  p.trace().record("UIS_HandleEvent", {dialog, ev_st != nullptr});
  auto& fw = p.framework();
  if (p.editor().owns(dialog)) {
    // The editor answers a request for its text (added by the program, or the current
    // event) with its text.
    if (!fw.isEventStack(ev_st)) return 1;
    for (EVENT_T& added : fw.addedEvents()) {
      if (added.code == EV_REQUEST_DATA) {
        added.code = EV_DATA;
        added.text = p.editor().answer();
        return 0;
      }
    }
    if (fw.currentEvent()->code == EV_REQUEST_DATA) {
      fw.addEvent(EV_DATA);
      fw.addedEvents().back().text = p.editor().answer();
    }
    return 0;
  }
  return p.canvas().valid(dialog) ? 0 : 1;
}

UINT32 APP_UtilUISDialogDelete(UIS_DIALOG_T* dialog_slot) {
  auto& p = phone::platform();
  UIS_DIALOG_T dialog = dialog_slot ? *dialog_slot : 0;
  UINT32 r = 1;
  if (dialog_slot) {
    if (p.editor().owns(dialog))
      r = p.editor().close(dialog) ? 0 : 1;
    else if (p.canvas().valid(dialog))
      r = p.canvas().destroy(dialog) ? 0 : 1;
    *dialog_slot = 0;
  }
  p.trace().record("APP_UtilUISDialogDelete", {dialog, r});
  return r;
}

UINT32 UIS_CanvasSetBackLight(UINT8 on) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasSetBackLight", {on});
  p.display().setBacklight(on != 0);
  return 0;
}

}  // extern "C"
