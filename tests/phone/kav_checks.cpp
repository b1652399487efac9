// The calculator's code on this machine: its band colours, the result texts for every band
// setting, the stroke font's strokes, the canvas calls of its primitives and widgets, and whole
// screens as the keys change them.
#include "check.h"
#include "kav/src/kav/kav.h"
#include "ui/kav_toolkit.h"

namespace {

using check::Digest;
using check::calls_of;
using check::report;


void band_colours() {
  Digest d;
  for (UINT16 band = 0; band <= BAND_COUNT; ++band)
    for (UINT16 index = 0; index <= 12; ++index) d.word(gColor(index, band));
  report("gColor", d);

  Digest names;
  for (UINT16 band = 0; band < BAND_COUNT; ++band) {
    for (UINT16 i = 0; i <= settmax[band]; ++i) {
      sett[band] = i;
      names.text(bandName(band));
    }
    sett[band] = 0;
  }
  report("bandName", names);
}

void result_texts() {
  Digest parts;
  for (UINT16 code = 0; code <= 12; ++code) parts.word((UINT8)cm(code));
  for (UINT16 code = 0; code <= 1100; ++code) parts.text(ofDop(code));
  for (UINT16 code = 0; code <= 120; ++code) parts.text(ofD(code));
  report("cm ofDop ofD", parts);

  // Every setting of the digit and multiplier bands, the tolerance and coefficient bands going
  // round beside them; the texts after each call and every canvas call of the result window.
  Digest texts;
  fake::restart_calls();
  UINT32 n = 0;
  for (UINT16 a = 0; a <= settmax[0]; ++a)
    for (UINT16 b = 0; b <= settmax[1]; ++b)
      for (UINT16 c = 0; c <= settmax[2]; ++c)
        for (UINT16 m = 0; m <= settmax[3]; ++m, ++n) {
          UINT32 t = n & 7;  // 0..7, and 8 every 64th call: every tolerance
          if ((n & 63) == 63) t = 8;
          writeCode(13, 75, ch3[a], ch3[b], ch3[c], ch2[m], ch4[t], ch5[n & 7]);
          texts.bytes(nomval, sizeof nomval);
          texts.bytes(stp, sizeof stp);
        }
  report("writeCode texts", texts);
  report("writeCode drawing", fake::calls());
}

void stroke_font() {
  calls_of("NWchar", [] {
    const UINT16 at[3][2] = {{0, 0}, {169, 211}, {65533, 65530}};  // the last wraps
    for (const auto& p : at)
      for (UINT32 code = 0; code < 256; ++code) NWchar(p[0], p[1], (UINT8)code);
  });

  char all[256];
  for (UINT32 i = 0; i < 255; ++i) all[i] = (char)(i + 1);
  all[255] = 0;
  calls_of("writestring", [&] {
    writestring(0x12345678, all, 3, 4);
    writestring(0xFFAA0000, "Naminal, Om:", 65500, 100);
  });

  Digest widths;
  widths.word(len(""));
  widths.word(len(all));
  static char longest[9400];  // 9363 bytes and more: the width passes 65535 and wraps
  for (UINT32 i = 0; i + 1 < sizeof longest; ++i) longest[i] = 'x';
  longest[sizeof longest - 1] = 0;
  widths.word(len(longest));
  report("len", widths);
}

void canvas() {
  const INT16 v[] = {-32768, -300, -1, 0, 1, 175, 219, 32767};
  Digest points;
  for (INT16 x : v)
    for (INT16 y : v) points.word(GRAPHIC_POINT(x, y));
  report("GRAPHIC_POINT", points);

  calls_of("canvas primitives", [&] {
    for (INT16 x : v)
      for (INT16 y : v) {
        DrawLine(x, y, y, x);
        DrawRect(x, y, 32767, y);
        FillRect(y, x, x, 10);
      }
    const UINT32 colours[] = {0, 0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF, 0x12345678,
                              0xFFFFFFFF};
    for (UINT32 c : colours) {
      SetColor(c);
      SetBkColor(c);
    }
  });
}

void widgets() {
  calls_of("widgets", [] {
    writeWin(150, 70, "Calculation of...");
    writeWin(176, 220, "");
    mCursor(113, 130);
    mCursor(-5, 250);
    wOK(1, "Accept", 60, 80);
    wOK(0, "OK", 0, 0);
    wYESNO(0, "Yes", "No", 28, 83);
    wYESNO(1, "Yes", "No", 28, 83);
    wrIcon(11, 61);
    writeExitMenu(28, 83, 0);
    writeExitMenu(28, 83, 1);
    writeAbout(5, 60);
    for (UINT16 sel = 0; sel < 3; ++sel) downsoftline(softline, menu, 1, sel);
    downsoftline(softline, menu, 0, 0);
  });
  Digest counts;
  counts.word(charCol(menu, MENU_SEPARATOR));
  counts.word(charCol("a|b||", '|'));
  counts.word(charCol("", '|'));
  report("charCol", counts);
}

void state_of(Digest& d) {
  for (UINT16 b = 0; b < BAND_COUNT; ++b) d.word(sett[b]);
  d.word(setedit);
  d.word(setmenu);
  d.word((UINT32)OnMenu << 24 | (UINT32)ExitMenu << 16 | (UINT32)About << 8 | Write);
  d.word((UINT32)ExitOkNo << 16 | (UINT32)state << 8 | repaint);
}

void press(Digest& d, UINT8 key) {
  fake::set_key(key);
  d.word(HandleKeypress(fake::event_stack(), fake::application()));
  state_of(d);
}

// The program started as the loader starts it, then a key sequence through every band and
// colour, the backlight, the menu and each overlay, ending with the confirmed exit.
void screens() {
  EVENT_STACK_T* ev = fake::event_stack();
  APPLICATION_T* app = fake::application();
  calls_of("start", [&] {
    Lib("/a/kav.elf", 0, 0x1000);
    startApp(ev, 7);
    HandleUITokenGranted(ev, app);
    MainStateEnter(ev, app, ENTER_STATE_ENTER);
    Timer(ev, app);
  });

  Digest states;
  calls_of("keys: bands", [&] {
    for (UINT16 band = 0; band < BAND_COUNT; ++band) {
      for (UINT16 i = 0; i < settmax[band] + 2; ++i) press(states, KEY_DOWN);
      press(states, KEY_UP);
      press(states, KEY_UP);
      press(states, KEY_RIGHT);
    }
    press(states, KEY_LEFT);
    press(states, KEY_LIGHT);
    press(states, KEY_LIGHT);
    press(states, 0x55);  // a key without a meaning still repaints
  });
  calls_of("keys: menu and overlays", [&] {
    const UINT8 keys[] = {
        KEY_MENU, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_UP, KEY_UP, KEY_UP,  // round the menu
        KEY_SELECT, KEY_DOWN, KEY_SELECT,                                // result window
        KEY_MENU, KEY_DOWN, KEY_SOFT2, KEY_MENU, KEY_SOFT2,              // About
        KEY_MENU, KEY_DOWN, KEY_SELECT, KEY_LEFT, KEY_RIGHT, KEY_LEFT,   // exit question
        KEY_RIGHT, KEY_SELECT, KEY_MENU, KEY_MENU, KEY_MENU, KEY_SELECT,
        KEY_LEFT, KEY_SELECT,                                            // confirmed exit
    };
    for (UINT8 k : keys) press(states, k);
  });
  report("keys: states", states);
}

}  // namespace

extern "C" void run_checks() {
  band_colours();
  result_texts();
  stroke_font();
  canvas();
  widgets();
  screens();
  if (fake::blocks_held() != 0) check::fail("memory blocks still held at the end");
}
