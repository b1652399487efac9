// The band model: six bands, the colours each band offers, their names, value codes and
// screen colours.
#include "kav.h"

extern "C" {

UINT16 sett[BAND_COUNT];
UINT16 settmax[BAND_COUNT] = {10, 9, 9, 11, 8, 7};

// Digit bands 0 to 2: value code = digit + 1, 0 = no digit (only band 0 reaches it).
const char* const col3[11] = {"black", "brown", "red",    "orange", "yellow", "green",
                              "blue",  "violet", "grey",  "white",  "[no]"};
const UINT16 ch3[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};

// Multiplier band 3: codes 1 to 10 are 10^0 to 10^9, 11 is 0.1, 12 is 0.01.
const char* const col2[12] = {"black", "brown",  "red",  "orange", "yellow", "green",
                              "blue",  "violet", "grey", "white",  "gold",   "sliver"};
const UINT16 ch2[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

// Tolerance band 4: hundredths of a percent, 0 = no band (20 %).
const char* const col4[9] = {"grey", "violet", "blue", "green", "brown",
                             "red",  "gold",   "sliver", "[no]"};
const UINT16 ch4[9] = {5, 10, 25, 50, 100, 200, 500, 1000, 0};

// Temperature-coefficient band 5: ppm/C, 0 = no band.
const char* const col5[8] = {"brown", "red", "yellow", "orange", "blue", "violet", "white",
                             "[no]"};
const UINT16 ch5[8] = {1, 5, 10, 15, 25, 50, 100, 0};

}  // extern "C"

namespace {

const UINT32 kNoBand = 0x20101000;  // the body colour: a missing band cannot be seen

// Colours of the value codes 1 to 10 (black to white), shared by digit and multiplier bands.
const UINT32 kDigitColour[10] = {0x00000000, 0x55110000, 0x80000000, 0x80400000, 0x80800000,
                                 0x00800000, 0x00008000, 0x80004000, 0x20202000, 0xFFFFFF00};

UINT32 digitColour(UINT16 code) {
  if (code >= 1 && code <= 10) return kDigitColour[code - 1];
  return kNoBand;
}

UINT32 multiplierColour(UINT16 code) {
  if (code == 11) return 0xFFFF0000;  // gold
  if (code == 12) return 0x90909000;  // silver
  return digitColour(code);
}

UINT32 toleranceColour(UINT16 code) {
  switch (code) {
    case 5: return 0x20202000;     // grey
    case 10: return 0x80004000;    // violet
    case 25: return 0x00008000;    // blue
    case 50: return 0x00800000;    // green
    case 100: return 0x55110000;   // brown
    case 200: return 0x80000000;   // red
    case 500: return 0xFFFF0000;   // gold
    case 1000: return 0x90909000;  // silver
    default: return kNoBand;
  }
}

UINT32 coefficientColour(UINT16 code) {
  switch (code) {
    case 1: return 0x55110000;    // brown
    case 5: return 0x80000000;    // red
    case 10: return 0x80800000;   // yellow
    case 15: return 0x80400000;   // orange
    case 25: return 0x00008000;   // blue
    case 50: return 0x80004000;   // violet
    case 100: return 0xFFFFFF00;  // white
    default: return kNoBand;
  }
}

}  // namespace

extern "C" {

// The colour follows from the value code, so that a colour name looks the same in every band.
UINT32 gColor(UINT16 index, UINT16 band) {
  switch (band) {
    case 0:
    case 1:
    case 2: return index < 11 ? digitColour(ch3[index]) : kNoBand;
    case 3: return index < 12 ? multiplierColour(ch2[index]) : kNoBand;
    case 4: return index < 9 ? toleranceColour(ch4[index]) : kNoBand;
    case 5: return index < 8 ? coefficientColour(ch5[index]) : kNoBand;
    default: return kNoBand;
  }
}

const char* bandName(UINT16 band) {
  UINT16 i = sett[band];
  switch (band) {
    case 0:
    case 1:
    case 2: return col3[i];
    case 3: return col2[i];
    case 4: return col4[i];
    default: return col5[i];
  }
}

}  // extern "C"
