// The list screen: pages of twelve records with the selection bar, the scroll track, the
// soft-key line and at most one dialog, composed off screen and shown in one copy. Every paint
// reads the file again and leaves the selected record's text in buf and bf for the editor.
#include "pemblo.h"

extern "C" {

WCHAR bf[BUF_SIZE];
UINT8 buf_whole;
UINT8 can_draw;

}  // extern "C"

namespace {

const UINT8 kRowStep = 16;
const UINT16 kScreenW = 176;

// Reads the first `size` bytes of the file (the size at the last count). Returns the block, or
// 0 when there is nothing to show or it cannot be read whole.
UINT8* read_list(UINT32 size) {
  if (size == 0 || file_name[0] == 0) return 0;
  return read_whole(size);
}

void record_colour(UINT8 selected) {
  if (!can_draw) return;
  if (selected)
    TextColorRGB(200, 200, 200);
  else
    TextColorRGB(100, 200, 100);
}

}  // namespace

extern "C" {

UINT8 new_win(UINT8 byte) {
  switch (byte) {
    case 0xA8: return 0x45;  // Ё as E
    case 0xB8: return 0x65;  // ё as e
    case 0x96: return 0x2D;  // en dash as hyphen
    case 0xAB:
    case 0xBB: return 0x22;  // angle quotes as the double quote
    default: break;
  }
  if (byte < 0x20) return 0x20;
  if (byte >= 0x7F && byte < 0xC0) return 0x20;
  return byte;
}

void write_lines(UINT16 x0, UINT16 y0, UINT32 first) {
  UINT32 s = (UINT32)pg * mx + set;
  buf[0] = 0;
  bf[0] = 0;
  buf_whole = 0;  // known whole only once the selected record has been walked
  UINT8* data = read_list(base_size);
  if (!data) return;
  UINT32 n = base_size;
  // Record counter wider than 8 bits: records past the 255th must not wrap onto the page.
  UINT32 r = 1;
  UINT32 i = 0;
  while (i < n && r < first) {
    if (data[i++] == CR) {
      ++r;
      if (r == first && i < n && data[i] == LF) ++i;
    }
  }
  if (r == first) {
    UINT32 row = 0;
    UINT32 c = 0;
    UINT8 sel = (r == s);
    if (sel) buf_whole = 1;
    record_colour(sel);
    while (i < n) {
      UINT8 b = data[i++];
      if (b == CR) {
        ++r;
        if (++row >= mx) break;
        c = 0;
        sel = (r == s);
        if (sel) buf_whole = 1;
        record_colour(sel);
        if (i < n && data[i] == LF) ++i;  // the separator's LF
        continue;
      }
      if (b == LF) {  // neither drawn nor counted; the editor could not give it back
        if (sel) buf_whole = 0;
        continue;
      }
      if (sel) {
        // buf holds 50 bytes: a longer record, or one with a NUL, is not whole in it.
        if (c < BUF_SIZE - 1) {
          buf[c] = (char)b;
          buf[c + 1] = 0;
          if (b == 0) buf_whole = 0;
        } else {
          buf_whole = 0;
        }
      }
      if (can_draw && c < 64 && 5 * c + x0 + 18 < kScreenW)
        WriteChar((UINT16)(x0 + 5 * c), (UINT16)(y0 + 5 + kRowStep * row), new_win(b));
      ++c;
    }
  }
  u_atou(buf, bf);
  suFreeMem(data);
}

UINT32 paint() {
  check_count();
  UINT32 s = (UINT32)pg * mx + set;
  if (!can_draw) {
    // No surface to draw on: only buf and bf are refreshed for the editor.
    write_lines(0, 11, (UINT32)pg * mx + 1);
    return 0;
  }
  SetColorRGB(0, 0, 0);
  FillRect(0, 0, kScreenW, 208);
  SetColorRGB(0, 0, 80);
  for (UINT16 k = 1; k <= 12; ++k) DrawLine(4, 16 * k + 12, 170, 16 * k + 12);
  SetColorRGB(0, 50, 0);
  FillRect(2, 16 * set - 1, 167, 13);
  SetColorRGB(0, 150, 0);
  myDrawRect(1, 16 * set - 2, 168, 15);
  SetColorRGB(0, 0, 125);
  DrawRect(171, 15, 4, 190);
  // The marker grows from the top of the track to 188 rows for the last record. Near the top
  // of a long list the formula goes below 0: the marker is then one row high.
  INT32 h = (INT32)__rt_udiv(len, 196 * s) - 8;
  if (h < 0) h = 0;
  if (h > 188) h = 188;
  SetColorRGB(60, 150, 60);
  FillRect(172, 16, 2, (UINT16)h);
  write_lines(0, 11, (UINT32)pg * mx + 1);
  downsoftline(softline, l_ok, menu, OnMenu, setmenu);
  if (ExitMenu)
    writeExitMenu(28, 83, ExitOkNo);
  else if (About)
    writeAbout(5, 60);
  else if (Error)
    writeError(10, 60);
  AHG_Flush();
  return 0;
}

void select_prev() {
  if (set > 1) {
    set = (UINT8)(set - 1);
  } else if (pg > 0) {
    pg = (UINT8)(pg - 1);
    set = mx;
  } else {
    select_last();  // from the first record round to the last
  }
}

void select_next() {
  // 32-bit sums: with at most 255 records they never reach 256, and a wrap could not hide.
  UINT32 s = (UINT32)pg * mx + set;
  if (set < mx && s < len) {
    set = (UINT8)(set + 1);
  } else if (__rt_udiv(mx, len) > pg) {
    pg = (UINT8)(pg + 1);
    set = 1;
  } else {
    pg = 0;
    set = 1;
  }
  if ((UINT32)pg * mx + set > len) {
    pg = 0;
    set = 1;
  }
}

}  // extern "C"
