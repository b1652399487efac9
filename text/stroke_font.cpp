// The stroke font. The glyphs are held below in the notation of the font's design table and
// turned into a compact stroke array while compiling; nothing is parsed on the phone.
//
// Notation of a glyph (coordinates relative to the pen, the cell's top-left corner):
//   a,b-c,d   segment from (a, b) to (c, d), both ends included
//   a,b       a single dot
//   Ra,b,w,h  outline of the rectangle from (a, b) to (a + w, b + h)
//   as 0xNN   exactly the strokes of the glyph of code 0xNN
#include "stroke_font.h"

#include "../ui/canvas.h"

// Called only while the table is compiled: a malformed row stops the build here.
void stroke_font_table_is_malformed(const char* why);

namespace {

struct Row {
  UINT8 code;
  const char* strokes;
};

constexpr unsigned kRows = 173;  // codes with a glyph
struct StrokeTable {
  Row row[kRows];
};

// One row per code that has a glyph, in code order. Codes not listed draw nothing:
// 0x00-0x20, the ampersand, 0x7F, 0x80, 0x81, 0x83, 0x86-0x90, 0x95, 0x98-0xA0, 0xA3-0xA7,
// 0xA9, 0xAA, 0xAC-0xB7 (the degree sign among them), 0xBA, 0xBC-0xBF.
// (A function, so that the table itself never lands in the image: only its compiled form.)
consteval StrokeTable strokeTable() {
  return {{
      {0x21, "3,1-3,5 3,7"},                                   // exclamation mark
      {0x22, "2,1-2,2 4,1-4,2"},                               // double quote
      {0x23, "2,2-2,7 4,2-4,7 1,3-5,3 1,6-5,6"},               // number sign
      {0x24, "1,2-1,4 2,2-5,2 1,6-5,6 2,4-4,4 5,4-5,5 3,1 3,7"}, // dollar
      {0x25, "R1,2,1,1 1,6-5,2 R4,5,1,1"},                     // percent
      {0x27, "3,1-3,2"},                                       // apostrophe
      {0x28, "3,1 3,7 2,2-2,6"},                               // left parenthesis
      {0x29, "2,1 2,7 3,2-3,6"},                               // right parenthesis
      {0x2A, "3,3-3,5 1,3 1,5 5,5 5,3 2,4-4,4"},               // asterisk
      {0x2B, "3,2-3,6 1,4-5,4"},                               // plus
      {0x2C, "2,6-1,7"},                                       // comma
      {0x2D, "1,4-5,4"},                                       // hyphen
      {0x2E, "2,7"},                                           // full stop
      {0x2F, "1,6-5,2"},                                       // slash
      {0x30, "R1,1,4,6"},                                      // 0
      {0x31, "3,1-3,7 2,1"},                                   // 1
      {0x32, "5,2-5,3 1,1-5,1 1,7-5,7 1,4-5,4 1,5-1,6"},       // 2
      {0x33, "5,2-5,6 1,1-5,1 1,7-5,7 3,4-4,4"},               // 3
      {0x34, "5,1-5,7 1,1-1,3 1,4-4,4"},                       // 4
      {0x35, "1,1-1,4 2,1-5,1 1,7-5,7 2,4-4,4 5,4-5,6"},       // 5
      {0x36, "1,1-1,3 2,1-5,1 R1,4,4,3"},                      // 6
      {0x37, "5,2-5,7 1,1-5,1"},                               // 7
      {0x38, "R1,1,4,6 1,4-5,4"},                              // 8
      {0x39, "R1,1,4,3 5,5-5,7 1,7-4,7"},                      // 9
      {0x3A, "3,6 3,3"},                                       // colon
      {0x3B, "3,6-2,7 3,3"},                                   // semicolon
      {0x3C, "1,4-3,2 2,5-3,6"},                               // less-than
      {0x3D, "1,3-5,3 1,5-5,5"},                               // equals
      {0x3E, "2,2-4,4 2,6-3,5"},                               // greater-than
      {0x3F, "5,2-5,3 1,1-5,1 2,7 2,4-5,4 2,5"},               // question mark
      {0x40, "2,1-4,1 3,3-4,3 3,6 1,2 0,3-0,6 1,7 2,4-2,5 4,4-4,5 5,2 6,3-6,6 5,6"}, // at sign
      {0x41, "1,1-1,7 5,1-5,7 2,1-4,1 2,4-4,4"},               // A
      {0x42, "R1,4,4,3 1,1-4,1 1,2-1,3 5,2-5,3"},              // B
      {0x43, "1,1-1,7 2,1-5,1 2,7-5,7"},                       // C
      {0x44, "1,1-1,7 2,1-4,1 2,7-4,7 5,2-5,6"},               // D
      {0x45, "1,1-1,7 2,1-5,1 2,7-5,7 2,4-3,4"},               // E
      {0x46, "1,1-1,7 2,1-5,1 2,4-3,4"},                       // F
      {0x47, "1,1-1,7 2,1-5,1 2,7-5,7 5,5-5,6 4,5"},           // G
      {0x48, "1,1-1,7 5,1-5,7 2,4-4,4"},                       // H
      {0x49, "3,1-3,7 2,1-4,1 2,7-4,7"},                       // I
      {0x4A, "1,6 1,7-5,7 5,1-5,6"},                           // J
      {0x4B, "1,1-1,7 2,4-5,1 3,5-5,7"},                       // K
      {0x4C, "1,1-1,7 2,7-5,7"},                               // L
      {0x4D, "0,1-0,7 6,1-6,7 1,2-3,4 4,3-5,2"},               // M
      {0x4E, "1,1-1,7 5,1-5,7 2,3-4,5"},                       // N
      {0x4F, "as 0x30"},                                       // O
      {0x50, "R1,1,4,3 1,5-1,7"},                              // P
      {0x51, "R1,1,4,6 3,6-3,8"},                              // Q
      {0x52, "R1,1,4,3 1,5-1,7 3,5-5,7"},                      // R
      {0x53, "as 0x35"},                                       // S
      {0x54, "3,2-3,7 1,1-5,1"},                               // T
      {0x55, "1,1-1,7 5,1-5,7 2,7-4,7"},                       // U
      {0x56, "1,1-1,5 5,1-5,5 1,5-3,7 4,6"},                   // V
      {0x57, "0,1-0,6 3,1-3,6 6,1-6,6 1,7-2,7 4,7-5,7"},       // W
      {0x58, "1,1-1,2 5,1-5,2 1,6-1,7 5,6-5,7 2,3-4,5 2,5-4,3"}, // X
      {0x59, "1,1-1,3 5,1-5,3 2,4 4,4 3,5-3,7"},               // Y
      {0x5A, "1,1-5,1 1,7-5,7 1,6-5,2"},                       // Z
      {0x5B, "2,1-2,7 3,1 3,7"},                               // left bracket
      {0x5C, "1,2-5,6"},                                       // backslash
      {0x5D, "3,1-3,7 2,1 2,7"},                               // right bracket
      {0x5E, "1,3-3,1 4,2-5,3"},                               // circumflex
      {0x5F, "1,7-5,7"},                                       // underscore
      {0x60, "as 0x27"},                                       // grave accent
      {0x61, "1,3-1,7 5,3-5,7 2,3-4,3 2,5-4,5"},               // a
      {0x62, "R1,5,4,2 1,3-4,3 1,4 5,4"},                      // b
      {0x63, "1,3-1,7 2,3-5,3 2,7-5,7"},                       // c
      {0x64, "1,3-1,6 2,3-4,3 1,7-4,7 5,4-5,6"},               // d
      {0x65, "1,3-1,7 2,3-5,3 2,7-5,7 2,5-3,5"},               // e
      {0x66, "1,3-1,7 2,3-5,3 2,5-3,5"},                       // f
      {0x67, "1,3-1,7 2,3-5,3 2,7-5,7 5,5-5,6 4,5"},           // g
      {0x68, "1,3-1,7 5,3-5,7 2,5-4,5"},                       // h
      {0x69, "1,3-5,3 1,7-5,7 3,3-3,7"},                       // i
      {0x6A, "5,3 5,5-5,7 1,7-4,7 1,6"},                       // j
      {0x6B, "1,3-1,7 2,5-3,5 4,4-5,3 4,6-5,7"},               // k
      {0x6C, "1,3-1,7 2,7-5,7"},                               // l
      {0x6D, "1,3-1,7 5,3-5,7 2,4-3,5 4,4"},                   // m
      {0x6E, "1,3-1,7 5,3-5,7 2,3-4,3"},                       // n
      {0x6F, "R1,3,4,4"},                                      // o
      {0x70, "R1,3,4,2 1,4-1,7"},                              // p
      {0x71, "R1,3,4,4 3,6-3,8"},                              // q
      {0x72, "R1,3,4,2 1,4-1,7 4,6-5,7"},                      // r
      {0x73, "1,3-1,4 2,3-5,3 5,6-5,7 1,5-5,5 1,7-4,7"},       // s
      {0x74, "3,4-3,7 1,3-5,3"},                               // t
      {0x75, "1,3-1,7 5,3-5,7 2,7-4,7"},                       // u
      {0x76, "1,3-1,5 5,3-5,5 2,6-3,7 4,6"},                   // v
      {0x77, "1,3-1,6 5,3-5,6 2,7 4,7 3,3-3,6"},               // w
      {0x78, "1,3-5,7 1,7-5,3"},                               // x
      {0x79, "1,3-2,4 3,5-5,3 3,5-3,7"},                       // y
      {0x7A, "1,3-4,3 1,7-5,3 2,7-5,7"},                       // z
      {0x7B, "2,1-2,7 1,4 3,1 3,7"},                           // left brace
      {0x7C, "3,1-3,7"},                                       // vertical bar
      {0x7D, "3,1-3,7 4,4 2,1 2,7"},                           // right brace
      {0x7E, "1,3-3,3 1,4 3,4-5,4 5,3"},                       // tilde
      {0x82, "1,7-1,8"},                                       // low single quote
      {0x84, "as 0x22"},                                       // low double quote
      {0x85, "1,7 3,7 5,7"},                                   // ellipsis
      {0x91, "as 0x27"},                                       // left single quote
      {0x92, "as 0x27"},                                       // right single quote
      {0x93, "as 0x22"},                                       // left double quote
      {0x94, "as 0x22"},                                       // right double quote
      {0x96, "1,5-5,5"},                                       // en dash
      {0x97, "as 0x96"},                                       // em dash
      {0xA1, "1,1-1,3 5,1-5,7 1,4-5,4 1,7-5,7 3,0-3,1"},       // Ў
      {0xA2, "1,3-2,4 4,4-5,3 3,5-3,7 3,1-3,2"},               // ў
      {0xA8, "as 0x45"},                                       // Ё
      {0xAB, "as 0x22"},                                       // left guillemet
      {0xB8, "1,3-1,7 2,3-5,3 2,7-5,7 2,5-3,5 2,1 4,1"},       // ё
      {0xB9, "as 0x23"},                                       // numero sign
      {0xBB, "as 0x22"},                                       // right guillemet
      {0xC0, "as 0x41"},                                       // А
      {0xC1, "as 0x36"},                                       // Б
      {0xC2, "as 0x42"},                                       // В
      {0xC3, "1,2-1,7 1,1-5,1"},                               // Г
      {0xC4, "as 0x44"},                                       // Д
      {0xC5, "as 0x45"},                                       // Е
      {0xC6, "0,1-0,3 0,5-0,7 3,1-3,7 6,1-6,3 6,5-6,7 1,4-5,4"}, // Ж
      {0xC7, "5,1-5,7 1,1-4,1 1,7-4,7 3,4-4,4"},               // З
      {0xC8, "1,1-1,7 5,1-5,7 4,3-2,5"},                       // И
      {0xC9, "1,1-1,7 5,1-5,7 4,3-2,5 3,0"},                   // Й
      {0xCA, "as 0x4B"},                                       // К
      {0xCB, "2,1-2,7 5,1-5,7 1,7 3,1-4,1"},                   // Л
      {0xCC, "as 0x4D"},                                       // М
      {0xCD, "as 0x48"},                                       // Н
      {0xCE, "as 0x30"},                                       // О
      {0xCF, "1,1-1,7 5,1-5,7 2,1-4,1"},                       // П
      {0xD0, "as 0x50"},                                       // Р
      {0xD1, "as 0x43"},                                       // С
      {0xD2, "as 0x54"},                                       // Т
      {0xD3, "1,1-1,3 5,1-5,7 1,4-5,4 1,7-5,7"},               // У
      {0xD4, "R0,1,6,5 3,2-3,7"},                              // Ф
      {0xD5, "as 0x58"},                                       // Х
      {0xD6, "1,1-1,7 5,1-5,7 2,7-4,7 6,7-6,8"},               // Ц
      {0xD7, "as 0x34"},                                       // Ч
      {0xD8, "0,1-0,6 3,1-3,6 6,1-6,6 0,7-6,7"},               // Ш
      {0xD9, "0,1-0,6 3,1-3,6 6,1-6,8 0,7-6,7"},               // Щ
      {0xDA, "1,1-1,3 0,1 R1,4,4,3"},                          // Ъ
      {0xDB, "0,1-0,3 R0,4,4,3 6,1-6,7"},                      // Ы
      {0xDC, "1,1-1,3 R1,4,4,3"},                              // Ь
      {0xDD, "as 0xC7"},                                       // Э
      {0xDE, "0,1-0,7 R2,1,4,6 1,4"},                          // Ю
      {0xDF, "R1,1,4,3 5,5-5,7 3,5-1,7"},                      // Я
      {0xE0, "as 0x61"},                                       // а
      {0xE1, "R1,5,4,2 1,3-5,3 1,4"},                          // б
      {0xE2, "as 0x62"},                                       // в
      {0xE3, "1,3-5,3 1,4-1,7"},                               // г
      {0xE4, "as 0x64"},                                       // д
      {0xE5, "as 0x65"},                                       // е
      {0xE6, "1,3-1,7 5,3-5,7 2,5-4,5 3,3-3,7"},               // ж
      {0xE7, "5,3-5,7 1,3-4,3 1,7-4,7 3,5-4,5"},               // з
      {0xE8, "1,3-1,7 5,3-5,7 4,4-2,6"},                       // и
      {0xE9, "1,3-1,7 5,3-5,7 4,4-2,6 3,2"},                   // й
      {0xEA, "as 0x6B"},                                       // к
      {0xEB, "2,3-2,7 5,3-5,7 3,3-4,3 1,7"},                   // л
      {0xEC, "as 0x6D"},                                       // м
      {0xED, "as 0x68"},                                       // н
      {0xEE, "as 0x6F"},                                       // о
      {0xEF, "as 0x6E"},                                       // п
      {0xF0, "as 0x70"},                                       // р
      {0xF1, "as 0x63"},                                       // с
      {0xF2, "as 0x74"},                                       // т
      {0xF3, "1,3-1,4 5,3-5,7 1,5-4,5 1,7-4,7"},               // у
      {0xF4, "R0,3,6,3 3,4-3,7"},                              // ф
      {0xF5, "as 0x78"},                                       // х
      {0xF6, "1,3-1,7 5,3-5,7 2,7-4,7 6,7-6,8"},               // ц
      {0xF7, "1,3-1,4 5,3-5,7 1,5-4,5"},                       // ч
      {0xF8, "0,3-0,7 3,3-3,7 1,7-5,7 6,3-6,7"},               // ш
      {0xF9, "0,3-0,7 3,3-3,7 1,7-5,7 6,3-6,8"},               // щ
      {0xFA, "1,3-1,4 0,3 R1,5,4,2"},                          // ъ
      {0xFB, "0,3-0,4 R0,5,4,2 6,3-6,7"},                      // ы
      {0xFC, "1,3-1,4 R1,5,4,2"},                              // ь
      {0xFD, "as 0xE7"},                                       // э
      {0xFE, "0,3-0,7 R2,3,4,4 1,5"},                          // ю
      {0xFF, "R1,3,4,2 5,4-5,7 2,6-1,7"},                      // я
  }};
}

constexpr UINT8 kFirstCode = 0x21;
constexpr unsigned kCodes = 0x100 - kFirstCode;  // 223 glyph slots, 0x21..0xFF

enum : UINT8 { kSegment, kRectangle };

// A segment (dots included) or a rectangle, its four numbers packed as nibbles:
// from = a << 4 | b, to = c << 4 | d (segment) or w << 4 | h (rectangle).
struct Stroke {
  UINT8 kind;
  UINT8 from;
  UINT8 to;
};

// The strokes of a glyph: count strokes from `first`. Rows written "as 0xNN" share theirs.
struct Glyph {
  UINT16 first;
  UINT8 count;
};

// ---- compile-time reading of the table ----

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Reader {
  const char* p;

  constexpr void skipSpaces() {
    while (*p == ' ') ++p;
  }
  constexpr bool atEnd() {
    skipSpaces();
    return *p == 0;
  }
  constexpr bool take(char c) {
    if (*p != c) return false;
    ++p;
    return true;
  }
  constexpr UINT8 number() {
    if (!isDigit(*p)) stroke_font_table_is_malformed("a number was expected");
    unsigned n = 0;
    while (isDigit(*p)) n = n * 10 + unsigned(*p++ - '0');
    if (n > 15) stroke_font_table_is_malformed("a coordinate does not fit four bits");
    return UINT8(n);
  }
  constexpr unsigned hexByte() {
    if (!(take('0') && take('x'))) stroke_font_table_is_malformed("'as' wants a code 0xNN");
    unsigned n = 0;
    for (int i = 0; i < 2; ++i) {
      const char c = *p++;
      if (isDigit(c)) n = n * 16 + unsigned(c - '0');
      else if (c >= 'A' && c <= 'F') n = n * 16 + unsigned(c - 'A' + 10);
      else stroke_font_table_is_malformed("'as' wants two upper-case hex digits");
    }
    return n;
  }
  constexpr void expect(char c) {
    if (!take(c)) stroke_font_table_is_malformed("unexpected character in a stroke");
  }
  constexpr Stroke stroke() {
    if (take('R')) {
      const UINT8 a = number(); expect(',');
      const UINT8 b = number(); expect(',');
      const UINT8 w = number(); expect(',');
      const UINT8 h = number();
      return {kRectangle, UINT8(a << 4 | b), UINT8(w << 4 | h)};
    }
    const UINT8 a = number(); expect(',');
    const UINT8 b = number();
    if (!take('-')) return {kSegment, UINT8(a << 4 | b), UINT8(a << 4 | b)};  // a dot
    const UINT8 c = number(); expect(',');
    const UINT8 d = number();
    return {kSegment, UINT8(a << 4 | b), UINT8(c << 4 | d)};
  }
};

constexpr bool isAlias(const char* s) { return s[0] == 'a' && s[1] == 's' && s[2] == ' '; }

constexpr unsigned aliasTarget(const char* s) {
  Reader r{s + 3};
  r.skipSpaces();
  const unsigned code = r.hexByte();
  if (!r.atEnd()) stroke_font_table_is_malformed("text after 'as 0xNN'");
  return code;
}

constexpr unsigned countStrokes(const char* s) {
  Reader r{s};
  unsigned n = 0;
  while (!r.atEnd()) {
    r.stroke();
    ++n;
    if (*r.p != ' ' && *r.p != 0) stroke_font_table_is_malformed("strokes are separated by spaces");
  }
  if (n == 0) stroke_font_table_is_malformed("a row without strokes");
  return n;
}

consteval unsigned totalStrokes() {
  unsigned n = 0;
  for (const Row& row : strokeTable().row)
    if (!isAlias(row.strokes)) n += countStrokes(row.strokes);
  return n;
}

constexpr unsigned kStrokeCount = totalStrokes();

struct StrokeFont {
  Glyph glyph[kCodes];
  Stroke stroke[kStrokeCount];
};

consteval StrokeFont buildFont() {
  StrokeFont font{};
  bool drawn[kCodes] = {};
  unsigned next = 0, previous = 0;
  const StrokeTable table = strokeTable();
  for (const Row& row : table.row) {
    if (row.strokes == nullptr || row.code < kFirstCode || row.code <= previous)
      stroke_font_table_is_malformed("codes must rise from 0x21 without repeats");
    previous = row.code;
    if (isAlias(row.strokes)) continue;
    const unsigned count = countStrokes(row.strokes);
    font.glyph[row.code - kFirstCode] = {UINT16(next), UINT8(count)};
    drawn[row.code - kFirstCode] = true;
    Reader r{row.strokes};
    while (!r.atEnd()) font.stroke[next++] = r.stroke();
  }
  for (const Row& row : table.row) {
    if (!isAlias(row.strokes)) continue;
    const unsigned target = aliasTarget(row.strokes);
    if (target < kFirstCode || !drawn[target - kFirstCode])
      stroke_font_table_is_malformed("'as' must name a row with strokes of its own");
    font.glyph[row.code - kFirstCode] = font.glyph[target - kFirstCode];
  }
  return font;
}

constexpr StrokeFont kFont = buildFont();

// Pen arithmetic is 16-bit and wraps; the canvas takes the result as a signed 16-bit value.
constexpr INT16 at(UINT16 pen, unsigned offset) { return INT16(UINT16(pen + offset)); }

}  // namespace

extern "C" UINT32 NWchar(UINT16 x, UINT16 y, UINT8 code) {
  if (code < kFirstCode) return 0;
  const Glyph g = kFont.glyph[code - kFirstCode];
  for (UINT8 i = 0; i < g.count; ++i) {
    const Stroke s = kFont.stroke[g.first + i];
    const INT16 x1 = at(x, s.from >> 4), y1 = at(y, s.from & 15);
    if (s.kind == kRectangle)
      DrawRect(x1, y1, INT16(s.to >> 4), INT16(s.to & 15));
    else
      DrawLine(x1, y1, at(x, s.to >> 4), at(y, s.to & 15));
  }
  return 0;
}

// Walks the text to its zero byte rather than counting with a 16-bit index, so that no
// length can make the loop run forever; the pen wraps as the 16-bit arithmetic says.
extern "C" UINT32 writestring(UINT32 colour, const char* text, UINT16 x, UINT16 y) {
  SetColor(colour);
  for (const char* p = text; *p != 0; ++p) {
    NWchar(x, y, UINT8(*p));
    x = UINT16(x + 7);
  }
  return 0;
}

extern "C" UINT16 len(const char* text) {
  UINT16 w = 0;
  for (const char* p = text; *p != 0; ++p) w = UINT16(w + 7);
  return w;
}
