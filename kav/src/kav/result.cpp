// The result window: the nominal value assembled as text from the digit and multiplier codes,
// the tolerance and the temperature coefficient looked up as ready texts.
#include "kav.h"

#include <text/stroke_font.h>
#include <ui/widgets.h>

extern "C" {

char nomval[7] = "      ";
char stp[14] = "Naminal,  Om:";  // index 9: the unit-prefix slot

// A digit code (digit + 1) as its character; no digit is a blank.
char cm(UINT16 code) {
  if (code >= 1 && code <= 10) return (char)('0' + (code - 1));
  return ' ';
}

const char* ofDop(UINT16 code) {
  switch (code) {
    case 5: return "+/-0,05  ";
    case 10: return "+/-0,1   ";
    case 25: return "+/-0,25  ";
    case 50: return "+/-0,5   ";
    case 100: return "+/-1   ";
    case 200: return "+/-2   ";
    case 500: return "+/-5   ";
    case 1000: return "+/-10  ";
    default: return "+/-20  ";  // no tolerance band
  }
}

const char* ofD(UINT16 code) {
  switch (code) {
    case 1: return "1   ";
    case 5: return "5   ";
    case 10: return "10  ";
    case 15: return "15  ";
    case 25: return "25  ";
    case 50: return "50  ";
    case 100: return "100 ";
    default: return "0   ";  // no coefficient band
  }
}

}  // extern "C"

namespace {

// Digits, comma and unit prefix as the multiplier places them; every byte is rewritten.
void buildNominal(UINT16 d1, UINT16 d2, UINT16 d3, UINT16 m) {
  nomval[0] = cm(d1);
  nomval[1] = ' ';
  nomval[2] = ' ';
  nomval[3] = ' ';
  nomval[4] = ' ';
  nomval[5] = ' ';
  nomval[6] = 0;
  switch (m) {
    case 1: case 4: case 7: case 10:  // DDD
      nomval[1] = cm(d2);
      nomval[2] = cm(d3);
      break;
    case 2: case 5: case 8: case 12:  // D,DD
      nomval[1] = ',';
      nomval[2] = cm(d2);
      nomval[3] = cm(d3);
      break;
    case 3: case 6: case 9: case 11:  // DD,D
      nomval[1] = cm(d2);
      nomval[2] = ',';
      nomval[3] = cm(d3);
      break;
    default:
      break;
  }

  stp[9] = ' ';
  if (m >= 2 && m <= 4) stp[9] = 'K';
  else if (m >= 5 && m <= 7) stp[9] = (char)0xCC;  // Cyrillic Em: mega
  else if (m >= 8 && m <= 10) stp[9] = 'G';

  // At most one leading zero goes; a comma right after the first place keeps "0,".
  if (nomval[0] == ' ') {
    if (nomval[1] == ',') {
      nomval[0] = '0';
      return;
    }
  } else if (nomval[0] == '0') {
    if (nomval[1] == ',') return;
    nomval[0] = ' ';
  } else {
    return;
  }
  if (nomval[1] == '0' && nomval[2] == '0') {
    nomval[0] = '0';
    nomval[1] = ' ';
    nomval[2] = ' ';
  }
}

}  // namespace

extern "C" UINT32 writeCode(INT16 x, INT16 y, UINT16 d1, UINT16 d2, UINT16 d3, UINT16 m,
                            UINT16 tol, UINT16 coef) {
  buildNominal(d1, d2, d3, m);

  writeWin((INT16)(176 - 2 * x), (INT16)(220 - 2 * y), "Calculation of...");
  writestring(0xFFFF0000, stp, (UINT16)(x + 4), (UINT16)(y + 7));
  writestring(0xFFFF0000, nomval, (UINT16)(x + 102), (UINT16)(y + 7));
  writestring(0x00FF0000, "Possibly,%:", (UINT16)(x + 4), (UINT16)(y + 19));
  writestring(0x00FF0000, ofDop(tol), (UINT16)(x + 88), (UINT16)(y + 19));
  writestring(0xFFAA0000, "\xD2" " norm., ppm/C:", (UINT16)(x + 4), (UINT16)(y + 31));
  writestring(0xFFAA0000, ofD(coef), (UINT16)(x + 116), (UINT16)(y + 31));
  wOK(1, "Accept", (INT16)((176 - (INT16)len("Accept")) / 2), (INT16)((220 - y) / 2 - 5));
  mCursor(113, (INT16)(y + 55));
  return 0;
}
