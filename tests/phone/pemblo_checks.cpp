// The list editor's code on this machine: the editor text's conversion to Windows-1251, the
// list's byte mapping, the font bits and the 5-6-5 colours, the surface calls of its
// primitives, and whole sessions on a list file (pages, changes, dialogs) in both languages.
#include "check.h"
#include "pemblo/src/test/pemblo.h"

namespace {

using check::Digest;
using check::calls_of;
using check::report;


void text_tables() {
  Digest units;
  for (UINT32 u = 0; u <= 0xFFFF; ++u) {
    const WCHAR src[3] = {(WCHAR)u, 'A', 0};
    char dst[4] = {'#', '#', '#', '#'};
    UCS2toCP1251(src, dst);
    units.byte((UINT8)dst[0]);
    const bool rest_right = u == 0 ? dst[1] == '#' : dst[1] == 'A' && dst[2] == 0 && dst[3] == '#';
    if (!rest_right) check::fail("UCS2toCP1251: the text around a unit changed");
  }
  report("UCS2toCP1251", units);

  Digest bytes;
  for (UINT32 b = 0; b < 256; ++b) bytes.byte(new_win((UINT8)b));
  report("new_win", bytes);

  Digest font;
  font.bytes(font_bits, sizeof font_bits);
  report("font_bits", font);
}

void surface() {
  calls_of("surface primitives", [] {
    AHG_Init();
    const UINT16 v[] = {0, 1, 175, 219, 255, 32767, 65535};
    for (UINT16 x : v)
      for (UINT16 y : v) {
        DrawLine(x, y, y, x);
        DrawRect(x, y, y, 3);
        FillRect(y, x, x, 5);
      }
    myDrawRect(1, 30, 168, 15);
    myDrawRect(65530, 65530, 9, 9);
    AHG_Flush();
  });

  calls_of("5-6-5 colours", [] {
    for (UINT32 i = 0; i < 256; ++i) {
      const UINT8 v = (UINT8)i;
      SetColorRGB(v, 0, 0);
      SetColorRGB(0, v, 0);
      SetColorRGB(0, 0, v);
      SetColorRGB(v, (UINT8)(255 - v), (UINT8)(v ^ 0x5A));
      TextColorRGB(v, (UINT8)(v * 3), (UINT8)(255 - v));
    }
  });

  calls_of("bitmap text", [] {
    for (UINT32 c = 0; c < 256; ++c) WriteChar((UINT16)(5 * c), (UINT16)(300 - c), (UINT8)c);
    static char longest[301];  // cut to its first 255 bytes
    for (UINT32 i = 0; i < 300; ++i) longest[i] = (char)(0x20 + (i & 0x7F) + (i & 0x40));
    WriteString(0, 11, longest);
    WriteString(250, 250, "BlackList.txt");
    WriteString(1, 1, "");
  });
}

void paths() {
  static char deep[300];  // a directory too long for the 254 units of file_name
  for (UINT32 i = 0; i < 299; ++i) deep[i] = i == 0 || i == 280 ? '/' : 'd';
  const char* const all_paths[] = {"/a/pemblo.elf", "/", "pemblo.elf", "", "/c/Elf/x/pemblo.elf",
                                   deep};
  Digest names;
  for (const char* p : all_paths) {
    make_path(p);
    for (UINT32 i = 0; i < FILE_NAME_UNITS && file_name[i] != 0; ++i) names.word(file_name[i]);
    names.word(0xFFFF);
  }
  report("make_path", names);
}

// ---- Sessions on a list file ----

void state_of(Digest& d) {
  d.word((UINT32)len << 24 | (UINT32)mx << 16 | (UINT32)pg << 8 | set);
  d.word((UINT32)OnMenu << 24 | (UINT32)ExitMenu << 16 | (UINT32)About << 8 | Error);
  d.word((UINT32)ExitOkNo << 16 | setmenu);
  d.word(file_records);
  d.word(base_size);
  d.word(buf_whole);
  d.text(buf);
  for (UINT32 i = 0; i < BUF_SIZE && bf[i] != 0; ++i) d.word(bf[i]);
  d.bytes(fake::file_data(), fake::file_size());
}

struct Session {
  Digest states;

  void press(UINT8 key) {
    fake::set_key(key);
    states.word(HandleKeypress(fake::event_stack(), fake::application()));
    state_of(states);
  }

  // Opens the menu, walks to the item and selects it.
  void choose(UINT16 item) {
    press(KEY_SOFT_LEFT);
    for (UINT32 i = 0; i < 5 && setmenu != item; ++i) press(KEY_DOWN);
    press(KEY_SELECT);
  }

  // The line editor opened by the chosen item, confirmed with `text`.
  void edit(UINT16 item, const WCHAR* text) {
    EVENT_STACK_T* ev = fake::event_stack();
    APPLICATION_T* app = fake::application();
    choose(item);
    states.word(EditStateEnter(ev, app, ENTER_STATE_ENTER));
    static WCHAR given[64];
    UINT32 i = 0;
    for (; text[i] != 0 && i < 63; ++i) given[i] = text[i];
    given[i] = 0;
    fake::set_editor_text(given);
    states.word(EditOk(ev, app));
    states.word(EditData(ev, app));
    states.word(StateExit(ev, app, 0));
    state_of(states);
    states.word(MainStateEnter(ev, app, ENTER_STATE_ENTER));
  }

  void start(const char* language) {
    EVENT_STACK_T* ev = fake::event_stack();
    APPLICATION_T* app = fake::application();
    fake::set_language(language);
    pg = 0;
    set = 1;
    Lib("/c/Elf/pemblo.elf", 0, 0x2000);
    startApp(ev, 7);
    HandleUITokenGranted(ev, app);
    MainStateEnter(ev, app, ENTER_STATE_ENTER);
    Tim(ev, app);
    state_of(states);
  }
};

// Thirty records with CR LF between them: Cyrillic and the bytes new_win maps, an empty
// record, one longer than the editor's 50 characters, one with a lone LF, and a CR at the end.
UINT32 list_content(UINT8* out) {
  const char* const records[] = {
      "+79001234567 Ivan", "+380441234567 \xC8\xE2\xE0\xED", "", "\xA8\xB8 \x96 \xAB\xBB",
      "0123456789012345678901234567890123456789012345678901234567890123456789",
      "one\ntwo", "\x01\x1F\x7F\x80\xBF\xC0\xFF",
  };
  UINT32 n = 0;
  for (UINT32 r = 0; r < 30; ++r) {
    const char* text = records[r < 7 ? r : r & 1];
    for (; *text != 0; ++text) out[n++] = (UINT8)*text;
    if (r >= 7) out[n++] = (UINT8)('A' + r - 7);
    out[n++] = CR;
    if (r < 29) out[n++] = LF;
  }
  return n;
}

void session_ru() {
  static UINT8 content[2048];
  fake::set_file(content, list_content(content));
  static const WCHAR kCyrillic[] = {0x0410, 0x0431, 0x0401, 0x0451, ' ', 0x2116, 0x20AC, 0x4E00,
                                    0x000D, '7', 0x000A, 0x00C0, 0};
  static const WCHAR kPlain[] = {'+', '1', '2', '3', 0};
  Session s;
  calls_of("list ru: calls", [&] {
    s.start("#ru");
    for (int i = 0; i < 14; ++i) s.press(KEY_DOWN);
    for (int i = 0; i < 3; ++i) s.press(KEY_UP);
    s.edit(ITEM_EDIT, kCyrillic);
    s.edit(ITEM_ADD, kPlain);
    s.choose(ITEM_DELETE);
    fake::fail_next_close();  // the old content stays
    s.edit(ITEM_ADD, kPlain);
    s.choose(ITEM_EDIT);
    Back(fake::event_stack(), fake::application());
    s.choose(ITEM_ABOUT);
    s.press(KEY_SELECT);
    s.choose(ITEM_EXIT);
    s.press(KEY_LEFT);
    s.press(KEY_RIGHT);
    s.press(KEY_SELECT);  // "No"
    for (int i = 0; i < 30; ++i) s.press(KEY_UP);  // round past the first record
    s.press(KEY_END);
    paint();  // without a canvas: only the editor's texts
    state_of(s.states);
  });
  report("list ru: states", s.states);
}

void session_en() {
  fake::set_file(0, 0);  // no file: the default record is written
  static const WCHAR kFirst[] = {'+', '4', '4', ' ', 'x', 0};
  static const WCHAR kMore[] = {'m', 'o', 'r', 'e', 0};
  Session s;
  calls_of("list en: calls", [&] {
    s.start("en");
    s.choose(ITEM_DELETE);  // the only record: the error box
    s.press(KEY_SELECT);
    s.edit(ITEM_EDIT, kFirst);
    s.edit(ITEM_ADD, kMore);
    s.edit(ITEM_ADD, kMore);
    for (int i = 0; i < 3; ++i) s.press(KEY_DOWN);
    s.choose(ITEM_DELETE);
    s.choose(ITEM_EXIT);
    s.press(KEY_LEFT);
    s.press(KEY_SELECT);  // "Yes"
  });
  report("list en: states", s.states);
}

}  // namespace

extern "C" void run_checks() {
  text_tables();
  surface();
  paths();
  session_ru();
  session_en();
  if (fake::blocks_held() != 0) check::fail("memory blocks still held at the end");
}
