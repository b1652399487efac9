// The resistor calculator's routines and module-level state, with C linkage so that the
// loader, the platform and the tests find them by name in the image.
#pragma once

#include <phone/app.h>
#include <phone/types.h>
#include <phone/uis.h>

// Key codes that the calculator handles.
#define KEY_UP 0x2C
#define KEY_DOWN 0x2D
#define KEY_LEFT 0x2E
#define KEY_RIGHT 0x2F
#define KEY_MENU 0x0E      // left soft key under "Menu"
#define KEY_SOFT2 0x0F     // right soft key: select
#define KEY_SELECT 0x3D    // joystick select
#define KEY_LIGHT 0x0A     // backlight switch

#define BAND_COUNT 6
#define MENU_SEPARATOR 0x7C

extern "C" {

// Entry and frame (lib.cpp, app.cpp).
UINT32 Lib(const char* path, UINT32 second, UINT32 ev_code);
UINT32 Register(const char* path, UINT32 second, UINT32 ev_code);
UINT32 startApp(EVENT_STACK_T* ev_st, REG_ID_T reg_id);
UINT32 destroyApp(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 MainStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
UINT32 HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 HandleKeypress(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 Timer(EVENT_STACK_T* ev_st, APPLICATION_T* app);
// The exit sequence shared by destroyApp and the confirmed exit confirmation.
UINT32 exitApp(EVENT_STACK_T* ev_st, APPLICATION_T* app);

extern STATE_HANDLERS_ENTRY_T state_handling_table[3];
extern EVENT_HANDLER_ENTRY_T any_state_handlers[2];
extern EVENT_HANDLER_ENTRY_T init_state_handlers[2];
extern EVENT_HANDLER_ENTRY_T main_state_handlers[3];
extern const char app_name[13];

// UI-mode flags and the rest of the application state.
extern UINT8 state;      // backlight: 1 on, 0 off
extern UINT8 repaint;    // the next paint fills the background first
extern UINT8 OnMenu;
extern UINT8 ExitMenu;
extern UINT8 About;
extern UINT8 Write;
extern UINT8 ExitOkNo;   // 1: "Yes" highlighted
extern UINT16 setmenu;   // highlighted menu item
extern UINT16 setedit;   // selected band
extern UINT32 BColor;
extern UINT32 evcode_base;
extern DRAWING_BUFFER_T bufd;
extern const char softline[];
extern const char menu[];

// Band model (bands.cpp).
extern UINT16 sett[BAND_COUNT];
extern UINT16 settmax[BAND_COUNT];
extern const char* const col3[11];
extern const char* const col2[12];
extern const char* const col4[9];
extern const char* const col5[8];
extern const UINT16 ch3[11];
extern const UINT16 ch2[12];
extern const UINT16 ch4[9];
extern const UINT16 ch5[8];
UINT32 gColor(UINT16 index, UINT16 band);
const char* bandName(UINT16 band);  // name of the band's current colour

// Value computation and result window (result.cpp).
extern char nomval[7];
extern char stp[14];
char cm(UINT16 code);
const char* ofDop(UINT16 code);
const char* ofD(UINT16 code);
UINT32 writeCode(INT16 x, INT16 y, UINT16 d1, UINT16 d2, UINT16 d3, UINT16 m, UINT16 tol,
                 UINT16 coef);

// Main screen (screen.cpp).
void paint();

}  // extern "C"
