// The list editor's own part of the toolkit: its soft-key line with the header strip, the
// position and the right label, the error box, and its dialog texts in Russian and English
// (Windows-1251, converted while compiling). The drawing itself is shared (window.cpp,
// menu.cpp, dialogs.cpp).
#include <phone/sys.h>

#include "cp1251.h"
#include "dialogs.h"
#include "menu.h"

using namespace ui;

namespace {

constexpr Colour kWhite = {250, 250, 250};
constexpr Colour kYellow = {250, 250, 0};
constexpr Colour kGrey = {170, 170, 170};
constexpr Colour kOlive = {170, 170, 34};

// Texts of this project's own: who made it, whom it thanks, where it lives.
constexpr auto kAuthorRu = CP1251("команда phone-sim");
constexpr auto kThanksRu = CP1251("всем, кто проверял");
constexpr auto kWebRu = CP1251("(нет веб-страницы)");
constexpr const char* kAuthorEn = "phone-sim team";
constexpr const char* kThanksEn = "everyone who tested it";
constexpr const char* kWebEn = "(no web page)";

constexpr auto kRule = "-==-==-==-==-==-==-==-==-==-==-";

// Exit confirmation.
constexpr auto kExitTitleRu = CP1251("Выход...");
constexpr auto kExitLine1Ru = CP1251("Приложение будет зак-");
constexpr auto kExitLine2Ru = CP1251("рыто. Вы уверены?");
constexpr auto kYesRu = CP1251("Да");
constexpr auto kNoRu = CP1251("Нет");

constexpr TextLine kExitLinesRu[] = {
    {kWhite, 1, 2, 5, kExitLine1Ru},
    {kWhite, 0, 2, 17, kExitLine2Ru},
};
constexpr TextLine kExitLinesEn[] = {
    {kWhite, 1, 2, 5, "Program will be closed"},
    {kWhite, 0, 2, 17, "Are you sure?.."},
};
constexpr ExitTexts kExit[2] = {
    {"Exit...", kExitLinesEn, 2, "Yes", "No"},
    {kExitTitleRu, kExitLinesRu, 2, kYesRu, kNoRu},
};

// About box.
constexpr auto kAboutTitleRu = CP1251("Программа вер. 0.53b 31/07/09");
constexpr auto kAboutLine1Ru = CP1251("Предназначена для редак-");
constexpr auto kAboutLine2Ru = CP1251("тирования");
constexpr auto kAboutLine3Ru = CP1251("на мобильном");
constexpr auto kAuthorLabelRu = CP1251("Автор:");
constexpr auto kThanksLabelRu = CP1251("Спасибо:");
constexpr auto kAcceptRu = CP1251("Принять");

constexpr TextLine kAboutBeforeRu[] = {
    {{0, 250, 0}, 1, 4, 2, "elf"},
    {{250, 170, 0}, 1, 4, 20, "pemblo"},
    {kWhite, 1, 36, 2, kAboutLine1Ru},
    {kWhite, 0, 36, 13, kAboutLine2Ru},
    {kWhite, 0, 36, 24, kAboutLine3Ru},
    {kGrey, 1, 86, 13, "BlackList.txt"},
    {kYellow, 1, 100, 24, "Motorola"},
    {kWhite, 1, -1, 45, kAuthorLabelRu},
    {kWhite, 1, -1, 56, kThanksLabelRu},
};
constexpr TextLine kAboutBeforeEn[] = {
    {{0, 250, 0}, 1, 4, 2, "elf"},
    {{250, 170, 0}, 1, 4, 20, "pemblo"},
    {kWhite, 1, 36, 2, "Intended for change"},
    {kWhite, 0, 36, 13, "file"},
    {kWhite, 0, 36, 24, "on mobiles"},
    {kGrey, 1, 61, 13, "BlackList.txt"},
    {kYellow, 1, 90, 24, "Motorola"},
    {kWhite, 1, -1, 45, "Autor:"},
    {kWhite, 1, -1, 56, "Thank's:"},
};
constexpr TextLine kAboutAfterRu[] = {
    {{250, 0, 0}, 1, 2, 35, kRule},
    {kYellow, 1, 43, 45, kAuthorRu},
    {{0, 128, 0}, 1, 43, 56, kThanksRu},
    {kGrey, 1, 43, 68, kWebRu},
};
constexpr TextLine kAboutAfterEn[] = {
    {{250, 0, 0}, 1, 2, 35, kRule},
    {kYellow, 1, 43, 45, kAuthorEn},
    {{0, 128, 0}, 1, 43, 56, kThanksEn},
    {kGrey, 1, 43, 68, kWebEn},
};
constexpr BoxLayout kAbout[2] = {
    {"Programm ver. 0.53b 30/07/09", 1, kAboutBeforeEn, 9, "Accepted", 2, 111, kAboutAfterEn, 4},
    {kAboutTitleRu, 1, kAboutBeforeRu, 9, kAcceptRu, 2, 111, kAboutAfterRu, 4},
};

// Error box: deleting the only record.
constexpr auto kErrorTitleRu = CP1251("Данная операция не возможна!");
constexpr auto kError1Ru = CP1251("Вы пытаетесь удалить запись!");
constexpr auto kError2Ru = CP1251("Но в базе всего одна актив-");
constexpr auto kError3Ru = CP1251("ная запись.");
constexpr auto kError4Ru = CP1251("Вы можите ее только заменить.");

constexpr TextLine kErrorLinesRu[] = {
    {kWhite, 1, 2, 12, kError1Ru},
    {kWhite, 0, 2, 24, kError2Ru},
    {kWhite, 0, 2, 36, kError3Ru},
    {kYellow, 1, 2, 60, kError4Ru},
};
constexpr TextLine kErrorLinesEn[] = {
    {kWhite, 1, 2, 12, "You try to delete a record!"},
    {kWhite, 0, 2, 24, "But this base only is one"},
    {kWhite, 0, 2, 36, "active record."},
    {kYellow, 1, 2, 60, "You can only replase it."},
};
constexpr BoxLayout kError[2] = {
    {"This operation not possible!", 0, kErrorLinesEn, 4, "Accepted", 2, 111, nullptr, 0},
    {kErrorTitleRu, 0, kErrorLinesRu, 4, kAcceptRu, 2, 111, nullptr, 0},
};

const WCHAR kSlash[] = {'/', 0};
const WCHAR kDash[] = {' ', '-', ' ', 0};
const WCHAR kPercent[] = {'%', 0};

// "S/len - P%": the selected record number, the record count and the position in percent.
void positionText(char* out) {
  const UINT32 s = (UINT32)pg * mx + set;
  // The record count is at least 1 while a list is shown; a count of 0 shows 0% instead of
  // dividing by zero.
  const UINT32 percent = len != 0 ? __rt_udiv(len, 100 * s) : 0;
  WCHAR wide[32];  // room for the widest values of the 8-bit inputs
  WCHAR number[11];
  u_ltou(s, wide);
  u_strcat(wide, kSlash);
  u_ltou(len, number);
  u_strcat(wide, number);
  u_strcat(wide, kDash);
  u_ltou(percent, number);
  u_strcat(wide, number);
  u_strcat(wide, kPercent);
  u_utoa(wide, out);
}

}  // namespace

namespace ui {
const ExitTexts& exitTexts() { return kExit[russian()]; }
const BoxLayout& aboutLayout() { return kAbout[russian()]; }
const BoxLayout& errorLayout() { return kError[russian()]; }
}  // namespace ui

extern "C" void downsoftline(const char* left, const char* right, const char* menu, UINT8 open,
                             UINT16 sel) {
  drawStrip(open, textWidth(left));

  // Header strip: a dark top row and the file name.
  lineColour(Colour{0, 0, 100});
  line(0, 0, 176, 0);
  textAt(kOlive, 50, 1, "BlackList.txt");

  char position[32];
  positionText(position);
  textAt(kGrey, 40, 209, position);

  // The right label is lit while the menu or a dialog is up; its cells end 10 pixels before
  // the right edge.
  const int overlay = OnMenu || ExitMenu || About || Error;
  textAt(overlay ? kOlive : Colour{34, 34, 34}, 176 - (textWidth(right) + 10), 209, right);

  drawLeftLabel(left, open);
  if (open) drawMenu(menu, sel);
}

extern "C" void writeError(INT16 mx, INT16 my) { drawBox(mx, my, errorLayout()); }
