// The calculator's widgets, drawn by its toolkit (the image ui_kav_widgets) on a fresh canvas.
#include <phone/types.h>

#include "font_images.h"
#include "image.h"
#include "pages.h"
#include "platform.h"
#include "platform/host/canvas.h"
#include "platform/host/clock.h"

namespace phone::gallery {

namespace {

// The toolkit's routines, looked up by name in a freshly loaded image.
class KavWidgets {
 public:
  KavWidgets() : image_(testing::fontImagePath("ui_kav_widgets")) {
    *image_.symbol<UIS_DIALOG_T>("dialog") = platform().canvas().create();
    SetBkColor = fn<UINT32(UINT32)>("SetBkColor");
    FillRect = fn<UINT32(INT16, INT16, INT16, INT16)>("FillRect");
    writestring = fn<UINT32(UINT32, const char*, UINT16, UINT16)>("writestring");
    writeWin = fn<UINT32(INT16, INT16, const char*)>("writeWin");
    mCursor = fn<UINT32(INT16, INT16)>("mCursor");
    downsoftline = fn<UINT32(const char*, const char*, UINT8, UINT16)>("downsoftline");
    wOK = fn<UINT32(UINT8, const char*, INT16, INT16)>("wOK");
    wYESNO = fn<UINT32(UINT8, const char*, const char*, INT16, INT16)>("wYESNO");
    wrIcon = fn<UINT32(INT16, INT16)>("wrIcon");
    writeExitMenu = fn<UINT32(INT16, INT16, UINT8)>("writeExitMenu");
    writeAbout = fn<UINT32(INT16, INT16)>("writeAbout");
  }

  // A main screen to draw over: background and the soft-key line at 9:05:07.
  void screen(UINT8 menuOpen = 0, UINT16 sel = 0) {
    SetBkColor(0x00002800);
    FillRect(0, 0, 175, 207);
    platform().clock().setTimeOfDay({9, 5, 7});
    downsoftline("Menu", "Consider|About|Exit", menuOpen, sel);
  }

  UINT32 (*SetBkColor)(UINT32);
  UINT32 (*FillRect)(INT16, INT16, INT16, INT16);
  UINT32 (*writestring)(UINT32, const char*, UINT16, UINT16);
  UINT32 (*writeWin)(INT16, INT16, const char*);
  UINT32 (*mCursor)(INT16, INT16);
  UINT32 (*downsoftline)(const char*, const char*, UINT8, UINT16);
  UINT32 (*wOK)(UINT8, const char*, INT16, INT16);
  UINT32 (*wYESNO)(UINT8, const char*, const char*, INT16, INT16);
  UINT32 (*wrIcon)(INT16, INT16);
  UINT32 (*writeExitMenu)(INT16, INT16, UINT8);
  UINT32 (*writeAbout)(INT16, INT16);

 private:
  template <class T>
  T* fn(const char* name) {
    return image_.symbol<T>(name);
  }
  Image image_;
};

}  // namespace

void kavMenuPage() {
  KavWidgets ui;
  ui.screen(1, 1);
}

void kavExitPage() {
  KavWidgets ui;
  ui.screen();
  ui.writeExitMenu(28, 83, 1);
}

void kavAboutPage() {
  KavWidgets ui;
  ui.screen();
  ui.writeAbout(5, 60);
}

// The parts: a small window with the pointer, both kinds of button, the icon.
void kavPartsPage() {
  KavWidgets ui;
  ui.screen();
  ui.writeWin(150, 70, "Window title");
  ui.writestring(0xFFFFFF00, "Body at (13, 75)", 17, 79);
  ui.mCursor(140, 90);
  ui.wOK(1, "Accept", 0, -40);
  ui.wOK(0, "Accept", 0, -20);
  ui.wYESNO(1, "Yes", "No", 0, 100);
  ui.wYESNO(0, "Yes", "No", 0, 120);
  ui.wrIcon(60, 115);
}

}  // namespace phone::gallery
