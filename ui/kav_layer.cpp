// The calculator's own part of the toolkit: its soft-key line with the clock, and its
// dialog texts. The drawing itself is shared (window.cpp, menu.cpp, dialogs.cpp).
#include <phone/sys.h>

#include "dialogs.h"
#include "menu.h"

using namespace ui;

namespace {

constexpr Colour kWhite = {255, 255, 255};
constexpr Colour kYellow = {255, 255, 0};

constexpr TextLine kExitLines[] = {
    {kWhite, 1, 4, 2, "Program will be"},
    {kWhite, 1, 4, 12, "closed, Are you"},
    {kWhite, 1, 4, 22, "sure?"},
};
constexpr ExitTexts kExit = {"Quit...", kExitLines, 3, "Yes", "No"};

constexpr TextLine kAboutLines[] = {
    {{0, 255, 0}, 1, 4, 2, "elf"},
    {{255, 170, 0}, 1, 4, 20, "kav"},
    {kWhite, 1, 40, 2, "Programm of the"},
    {kWhite, 1, 40, 13, "colour decoding of "},
    {kWhite, 1, 40, 24, "resistor, mobile"},
    {kYellow, 1, 40, 35, "Motorola"},
    {{255, 0, 0}, 1, 5, 46, "-==-==-==-==-==-==-==-"},
    {kWhite, 1, 2, 55, "Autor:"},
    {kYellow, 1, 44, 55, "phone-sim team"},
    {{170, 170, 170}, 1, 2, 65, "ver 0.12b (31/01/2009)"},
};
constexpr BoxLayout kAbout = {"About the programm...", 1, kAboutLines, 10, "Accept", 0, 113,
                              nullptr, 0};

const WCHAR kColon[] = {':', 0};
const WCHAR kZero[] = {'0', 0};

// Appends a clock field: two digits for minutes and seconds, the hour as it is.
void appendField(WCHAR* text, UINT8 value, int twoDigits) {
  if (twoDigits && value < 10) u_strcat(text, kZero);
  u_ltou(value, text + u_strlen(text));
}

}  // namespace

namespace ui {
const ExitTexts& exitTexts() { return kExit; }
const BoxLayout& aboutLayout() { return kAbout; }
}  // namespace ui

extern "C" UINT32 downsoftline(const char* label, const char* menu, UINT8 open, UINT16 sel) {
  // The clock is read once, before anything is drawn: H:MM:SS.
  CLK_TIME_T now;
  now.hour = now.minute = now.second = now.reserved = 0;
  DL_ClkGetTime(&now);
  WCHAR wide[16];
  wide[0] = 0;
  appendField(wide, now.hour, 0);
  u_strcat(wide, kColon);
  appendField(wide, now.minute, 1);
  u_strcat(wide, kColon);
  appendField(wide, now.second, 1);
  char clock[16];
  u_utoa(wide, clock);

  drawStrip(open, len(label));
  // Centred, then moved 59 pixels right.
  writestring(0xFFFF0000, clock, (UINT16)((176 - (int)len(clock)) / 2 + 59), 210);
  drawLeftLabel(label, open);
  if (open) drawMenu(menu, sel);
  return 0;
}
