// The list editor's widgets, drawn by its toolkit (the image ui_pemblo_widgets) into the
// drawing surface and copied to the display, in English and in Russian.
#include <cstring>
#include <string>

#include <phone/sys.h>
#include <phone/types.h>

#include "font_images.h"
#include "image.h"
#include "pages.h"

namespace phone::gallery {

namespace {

class PembloWidgets {
 public:
  explicit PembloWidgets(bool russian) : image_(testing::fontImagePath("ui_pemblo_widgets")) {
    UINT8* lgid = image_.symbol<UINT8>("LGID");
    std::memset(lgid, 0, LANG_CODE_SIZE);
    std::memcpy(lgid, russian ? "#ru" : "en", russian ? 3 : 2);
    // The first of three records selected, twelve to a page.
    *image_.symbol<UINT8>("len") = 3;
    *image_.symbol<UINT8>("mx") = 12;
    *image_.symbol<UINT8>("set") = 1;
    label_ = russian ? cp1251("Меню") : "Menu";
    menu_ = russian ? cp1251("Изменить|Удалить|Добавить|Справка|Выйти")
                    : "Edit line|Delete|Add line|About|Exit";
    ok_ = cp1251("Ок");
    image_.symbol<void()>("AHG_Init")();
    AHG_Flush = image_.symbol<void()>("AHG_Flush");
    downsoftline = image_.symbol<void(const char*, const char*, const char*, UINT8, UINT16)>("downsoftline");
    writeExitMenu = image_.symbol<void(INT16, INT16, UINT8)>("writeExitMenu");
    writeAbout = image_.symbol<void(INT16, INT16)>("writeAbout");
    writeError = image_.symbol<void(INT16, INT16)>("writeError");
    SetColorRGB = image_.symbol<void(UINT8, UINT8, UINT8)>("SetColorRGB");
    FillRect = image_.symbol<void(UINT16, UINT16, UINT16, UINT16)>("FillRect");
    myDrawRect = image_.symbol<void(UINT16, UINT16, UINT16, UINT16)>("myDrawRect");
  }

  UINT8& flag(const char* name) { return *image_.symbol<UINT8>(name); }

  // A list screen to draw over: background, the selection frame, the header and soft-key line.
  void screen(UINT8 menuOpen = 0, UINT16 sel = 0) {
    SetColorRGB(0, 0, 0x30);
    FillRect(0, 13, 175, 194);
    SetColorRGB(250, 250, 250);
    myDrawRect(1, 14, 168, 15);
    flag("OnMenu") = menuOpen;
    downsoftline(label_.c_str(), ok_.c_str(), menu_.c_str(), menuOpen, sel);
  }

  void (*AHG_Flush)();
  void (*downsoftline)(const char*, const char*, const char*, UINT8, UINT16);
  void (*writeExitMenu)(INT16, INT16, UINT8);
  void (*writeAbout)(INT16, INT16);
  void (*writeError)(INT16, INT16);
  void (*SetColorRGB)(UINT8, UINT8, UINT8);
  void (*FillRect)(UINT16, UINT16, UINT16, UINT16);
  void (*myDrawRect)(UINT16, UINT16, UINT16, UINT16);

 private:
  Image image_;
  std::string label_, menu_, ok_;
};

void menu(bool russian) {
  PembloWidgets ui(russian);
  ui.screen(1, 1);
  ui.AHG_Flush();
}

void exitBox(bool russian) {
  PembloWidgets ui(russian);
  ui.flag("ExitMenu") = 1;
  ui.screen();
  ui.writeExitMenu(28, 83, 1);
  ui.AHG_Flush();
}

void about(bool russian) {
  PembloWidgets ui(russian);
  ui.flag("About") = 1;
  ui.screen();
  ui.writeAbout(5, 60);
  ui.AHG_Flush();
}

void error(bool russian) {
  PembloWidgets ui(russian);
  ui.flag("Error") = 1;
  ui.screen();
  ui.writeError(10, 60);
  ui.AHG_Flush();
}

}  // namespace

void pemblo_enMenuPage() { menu(false); }
void pemblo_ruMenuPage() { menu(true); }
void pemblo_enExitPage() { exitBox(false); }
void pemblo_ruExitPage() { exitBox(true); }
void pemblo_enAboutPage() { about(false); }
void pemblo_ruAboutPage() { about(true); }
void pemblo_enErrorPage() { error(false); }
void pemblo_ruErrorPage() { error(true); }

}  // namespace phone::gallery
