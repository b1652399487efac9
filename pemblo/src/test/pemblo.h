// The list editor's routines and module-level state, shared by its files. Everything the
// loader, the platform, the toolkit or a test finds by name has C linkage.
#pragma once

#include <phone.h>

#include "ui/pemblo_toolkit.h"

#define FILE_NAME_UNITS 255  // file_name: 254 units of path and the terminating 0 unit
#define BUF_SIZE 51          // buf and bf: 50 characters and the terminator
#define EDIT_MAX_CHARS 50

#define CR 0x0D
#define LF 0x0A

// Key codes of the key-press event.
#define KEY_UP 0x2C
#define KEY_DOWN 0x2D
#define KEY_LEFT 0x2E
#define KEY_RIGHT 0x2F
#define KEY_SOFT_LEFT 0x0E
#define KEY_SOFT_RIGHT 0x0F
#define KEY_SELECT 0x3D
#define KEY_END 0x11

// Menu items.
#define ITEM_EDIT 0
#define ITEM_DELETE 1
#define ITEM_ADD 2
#define ITEM_ABOUT 3
#define ITEM_EXIT 4

// The list editor's states.
#define STATE_INIT 1
#define STATE_MAIN 2
#define STATE_EDIT 3

// The most records the 8-bit count and selection can reach.
#define MAX_RECORDS 255

extern "C" {

// ---- List file store (store.cpp) ----
extern WCHAR file_name[FILE_NAME_UNITS];
extern UINT32 base_size;
// len, mx, pg, set: declared by the toolkit.
extern char buf[BUF_SIZE];
// Records in the file at the last count, not cut to 8 bits (len is, at MAX_RECORDS).
extern UINT32 file_records;

void make_path(const char* program_path);
void all();
void add_one();
void add();
void del();
// "Edit line" on a file of two records or more: the selected record is removed and the text
// of buf appended as the last record, in one write.
void replace();
// Counts again when the last count could not read the file (the selection kept in range).
void check_count();
// Reads the first `size` bytes of the list file into a new block; 0 when they cannot be read
// whole.
UINT8* read_whole(UINT32 size);
// Selects the last record: with len 12 page 0, line 12; with len 13 page 1, line 1.
void select_last();

// ---- List view (view.cpp) ----
extern WCHAR bf[BUF_SIZE];
// 1 when buf holds the whole selected record, so that the editor can give it back unchanged.
extern UINT8 buf_whole;
// 1 while the off-screen drawing is set up and the canvas exists: nothing is drawn otherwise.
extern UINT8 can_draw;

UINT32 paint();
void write_lines(UINT16 x0, UINT16 y0, UINT32 first);
UINT8 new_win(UINT8 byte);
void select_prev();
void select_next();

// ---- Application (app.cpp, keys.cpp) ----
extern UINT8 ExitOkNo;
extern UINT16 setmenu;
extern UINT8 repaint;
extern const char* softline;
extern const char* l_ok;
extern const char* menu;
extern RESOURCE_ID Resources;
extern UINT32 evcode_base;
extern DRAWING_BUFFER_T bufd;
extern char app_name[13];
extern const STATE_HANDLERS_ENTRY_T state_handling_table[4];

UINT32 Register(const char* program_path, UINT32 second, UINT32 ev_code);
UINT32 startApp(EVENT_STACK_T* ev_st, REG_ID_T reg_id);
UINT32 destroyApp(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 InitResources();
UINT32 RemoveResources();
UINT32 MainStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
UINT32 HandleUITokenGranted(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 HandleKeypress(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 Tim(EVENT_STACK_T* ev_st, APPLICATION_T* app);

// ---- Line editor (editor.cpp, cp1251.cpp) ----
extern UINT32 num_chars;
extern UINT8 edit_type;
extern UINT8 visible;
extern const WCHAR bf_offset[6];

UINT32 EditStateEnter(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
UINT32 EditOk(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 EditData(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 Back(EVENT_STACK_T* ev_st, APPLICATION_T* app);
UINT32 StateExit(EVENT_STACK_T* ev_st, APPLICATION_T* app, UINT32 kind);
void UCS2toCP1251(const WCHAR* src, char* dst);

}  // extern "C"
