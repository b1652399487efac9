// A fake phone platform for the byte-order check: every platform call either program makes,
// each adding its name and its arguments (values, never addresses) to one digest, with just
// enough behaviour for the programs to run: a memory arena, 16-bit text, a clock, a language,
// one key event and one list file held in memory.
#include "check.h"

namespace {

// Call names as numbers in the digest.
enum Call : UINT32 {
  kGetDeviceContext = 1, kGetDrawingSurface, kDispSurfGet, kSurfDstSet, kSurfSrcSet, kClipDstSet,
  kClipSrcSet, kRopSet, kBrushSet, kBrushFgColorSet, kFgColorSet, kDrawLines, kDrawSpans,
  kBitBlt, kDrawChar, kLdrStartApp, kLdrUnloadELF, kRegister, kInquireRoutingStack,
  kHandleEvent, kInitAppData, kStart, kChangeState, kTokenGranted, kTokenRevoked, kExit, kGetEv,
  kConsumeEv, kAddEvEvD, kStartTimer, kStopTimer, kFileSize, kOpenFile, kReadFile, kWriteFile,
  kCloseFile, kClkGetTime, kGetLanguage, kCreateResource, kSetResource, kClearResource,
  kCreateCanvas, kCreateEditor, kUisHandleEvent, kDialogDelete, kBackLight, kForeground, kFill,
  kCanvasLine, kCanvasRect, kCanvasFillRect, kPrintf,
};

constinit check::Digest call_digest{};

void record(Call c) { call_digest.word(c); }
void record(Call c, UINT32 a) {
  record(c);
  call_digest.word(a);
}
void record(Call c, UINT32 a, UINT32 b) {
  record(c, a);
  call_digest.word(b);
}
void record(Call c, UINT32 a, UINT32 b, UINT32 d) {
  record(c, a, b);
  call_digest.word(d);
}
void record(Call c, UINT32 a, UINT32 b, UINT32 d, UINT32 e) {
  record(c, a, b, d);
  call_digest.word(e);
}

UINT32 colour_word(COLOR_T c) {
  return (UINT32)c.red << 24 | (UINT32)c.green << 16 | (UINT32)c.blue << 8 | c.transparent;
}

// Memory: blocks cut from a static arena, 8-byte aligned; the arena starts over once every
// block has been given back, which the programs do after each use.
constexpr UINT32 kArenaSize = 256 * 1024;
alignas(8) UINT8 arena[kArenaSize];
UINT32 arena_used;
UINT32 held;

// The event the programs read, the application record they are given, the language.
EVENT_T event;
APPLICATION_T app;
UINT8 language[LANG_CODE_SIZE] = {'e', 'n', 0};

// The list file and the write session in progress.
constexpr UINT32 kFileMax = 16 * 1024;
UINT8 file[kFileMax];
UINT32 file_bytes;
UINT8 pending[kFileMax];
UINT32 pending_bytes;
UINT32 read_at;
bool refuse_close;
constexpr FILE_HANDLE_T kReading = 1, kWriting = 2;

UINT32 path_digest(const WCHAR* path) {
  check::Digest d;
  for (; path && *path != 0; ++path) d.word(*path);
  return d.hash;
}

// Resource content is 16-bit text: taken as units, as the platform reads it.
void record_units(const void* data, UINT32 size) {
  const WCHAR* units = (const WCHAR*)data;
  for (UINT32 i = 0; i < size / 2; ++i) call_digest.word(units[i]);
}

void copy(UINT8* to, const UINT8* from, UINT32 n) {
  for (UINT32 i = 0; i < n; ++i) to[i] = from[i];
}

}  // namespace

namespace fake {

check::Digest& calls() { return call_digest; }
void restart_calls() { call_digest = check::Digest{}; }
UINT32 blocks_held() { return held; }
void set_language(const char* code) {
  UINT32 i = 0;
  for (; code[i] != 0 && i + 1 < LANG_CODE_SIZE; ++i) language[i] = (UINT8)code[i];
  language[i] = 0;
}
void set_key(UINT8 key) { event.key = key; }
void set_editor_text(WCHAR* text) { event.text = text; }
EVENT_STACK_T* event_stack() { return (EVENT_STACK_T*)&event; }
APPLICATION_T* application() { return &app; }
void set_file(const UINT8* data, UINT32 size) {
  file_bytes = size < kFileMax ? size : kFileMax;
  copy(file, data, file_bytes);
}
const UINT8* file_data() { return file; }
UINT32 file_size() { return file_bytes; }
void fail_next_close() { refuse_close = true; }

}  // namespace fake

extern "C" {

// ---- Surface drawing ----
AHIDEVCONTEXT_T DAL_GetDeviceContext(UINT32 device) {
  record(kGetDeviceContext, device);
  return 0x10;
}
AHISURFACE_T DAL_GetDrawingSurface(UINT32 device) {
  record(kGetDrawingSurface, device);
  return 0x21;
}
UINT32 AhiDispSurfGet(AHIDEVCONTEXT_T ctx, AHISURFACE_T* surface) {
  record(kDispSurfGet, ctx);
  *surface = 0x22;
  return 0;
}
UINT32 AhiDrawSurfDstSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags) {
  record(kSurfDstSet, ctx, surface, flags);
  return 0;
}
UINT32 AhiDrawSurfSrcSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags) {
  record(kSurfSrcSet, ctx, surface, flags);
  return 0;
}
static void record_clip(Call c, AHIDEVCONTEXT_T ctx, AHIRECT_T* clip) {
  record(c, ctx, clip != 0);
  if (clip) record(c, (UINT32)clip->x1, (UINT32)clip->y1, (UINT32)clip->x2, (UINT32)clip->y2);
}
UINT32 AhiDrawClipDstSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip) {
  record_clip(kClipDstSet, ctx, clip);
  return 0;
}
UINT32 AhiDrawClipSrcSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip) {
  record_clip(kClipSrcSet, ctx, clip);
  return 0;
}
UINT32 AhiDrawRopSet(AHIDEVCONTEXT_T ctx, UINT32 rop) {
  record(kRopSet, ctx, rop);
  return 0;
}
UINT32 AhiDrawBrushSet(AHIDEVCONTEXT_T ctx, void* pattern, void* offset, UINT32 bk_colour,
                       UINT32 flags) {
  record(kBrushSet, ctx, (pattern != 0) << 1 | (offset != 0), bk_colour, flags);
  return 0;
}
UINT32 AhiDrawBrushFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour) {
  record(kBrushFgColorSet, ctx, colour);
  return 0;
}
UINT32 AhiDrawFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour) {
  record(kFgColorSet, ctx, colour);
  return 0;
}
UINT32 AhiDrawLines(AHIDEVCONTEXT_T ctx, AHIPOINT_T* points, UINT32 count, UINT32 flags) {
  record(kDrawLines, ctx, count, flags);
  for (UINT32 i = 0; i < count; ++i) record(kDrawLines, (UINT32)points[i].x, (UINT32)points[i].y);
  return 0;
}
UINT32 AhiDrawSpans(AHIDEVCONTEXT_T ctx, AHIRECT_T* rects, UINT32 count, UINT32 flags) {
  record(kDrawSpans, ctx, count, flags);
  for (UINT32 i = 0; i < count; ++i)
    record(kDrawSpans, (UINT32)rects[i].x1, (UINT32)rects[i].y1, (UINT32)rects[i].x2,
           (UINT32)rects[i].y2);
  return 0;
}
UINT32 AhiDrawBitBlt(AHIDEVCONTEXT_T ctx, AHIRECT_T* dst, AHIPOINT_T* src) {
  record(kBitBlt, ctx, (UINT32)dst->x1, (UINT32)dst->y1, (UINT32)dst->x2);
  record(kBitBlt, (UINT32)dst->y2, (UINT32)src->x, (UINT32)src->y);
  return 0;
}
// Each character as its descriptor's four sizes and its glyph's 8 bytes, as read through the
// descriptor the program filled in.
UINT32 AhiDrawChar(AHIDEVCONTEXT_T ctx, AHIPOINT_T point, AHICHAR_T* chars, UINT32 count,
                   UINT32 flags) {
  record(kDrawChar, ctx, (UINT32)point.x, (UINT32)point.y, count);
  call_digest.word(flags);
  for (UINT32 i = 0; i < count; ++i) {
    const AHICHAR_T& c = chars[i];
    record(kDrawChar, c.width, c.zero, c.step, c.height);
    call_digest.bytes(c.bits, 8);
  }
  return 0;
}

// ---- Loader, framework, events, timer ----
UINT32 LdrStartApp(UINT32 ev_code) {
  record(kLdrStartApp, ev_code);
  return 0;
}
UINT32 LdrUnloadELF(void* image_start) {
  record(kLdrUnloadELF, image_start != 0);
  return 0;
}
UINT32 APP_Register(const UINT32* ev_codes, UINT32 n_codes, const STATE_HANDLERS_ENTRY_T* table,
                    UINT32 n_states, APP_START_FN start) {
  record(kRegister, ev_codes[0], n_codes, n_states, start != 0);
  // The table as the framework walks it: states, and each handler list up to its end mark.
  for (UINT32 s = 0; s < n_states; ++s) {
    record(kRegister, table[s].state, table[s].enter != 0, table[s].exit != 0);
    for (const EVENT_HANDLER_ENTRY_T* e = table[s].handlers; e && e->code != EV_CODE_END; ++e)
      record(kRegister, (UINT32)e->code, e->handler != 0);
  }
  return 0;
}
UINT32 AFW_InquireRoutingStackByRegId(REG_ID_T reg_id) {
  record(kInquireRoutingStack, reg_id);
  return 1;
}
UINT32 APP_HandleEvent(EVENT_STACK_T*, APPLICATION_T*) {
  record(kHandleEvent);
  return 0;
}
APPLICATION_T* APP_InitAppData(EVENT_HANDLER_FN dispatcher, UINT32 size, REG_ID_T reg_id,
                               UINT32 a, UINT32 b, UINT32 c, UINT32 d, UINT32 e, UINT32 f) {
  record(kInitAppData, dispatcher != 0, size, reg_id, a);
  record(kInitAppData, b, c, d, e);
  call_digest.word(f);
  return &app;
}
UINT32 APP_Start(EVENT_STACK_T*, APPLICATION_T* a, UINT32 start_state,
                 const STATE_HANDLERS_ENTRY_T* table, EVENT_HANDLER_FN exit_fn,
                 const char* app_name, UINT32 flags) {
  record(kStart, a == &app, start_state, table != 0, exit_fn != 0);
  call_digest.text(app_name);
  call_digest.word(flags);
  return 0;
}
UINT32 APP_UtilChangeState(UINT32 new_state, EVENT_STACK_T*, APPLICATION_T*) {
  record(kChangeState, new_state);
  return 0;
}
UINT32 APP_HandleUITokenGranted(EVENT_STACK_T*, APPLICATION_T* a) {
  record(kTokenGranted);
  a->token_status = TOKEN_STATUS_HELD;
  return 0;
}
UINT32 APP_HandleUITokenRevoked(EVENT_STACK_T*, APPLICATION_T* a) {
  record(kTokenRevoked);
  a->token_status = 0;
  return 0;
}
UINT32 APP_Exit(EVENT_STACK_T*, APPLICATION_T*, UINT32 flags) {
  record(kExit, flags);
  return 0;
}
EVENT_T* AFW_GetEv(EVENT_STACK_T*) {
  record(kGetEv, event.key);
  return &event;
}
UINT32 APP_ConsumeEv(EVENT_STACK_T*, APPLICATION_T*) {
  record(kConsumeEv);
  return 0;
}
UINT32 AFW_AddEvEvD(EVENT_STACK_T*, UINT32 code, void* data) {
  record(kAddEvEvD, code, data != 0);
  return 0;
}
UINT32 APP_UtilStartCyclicalTimer(UINT32 period_ms, UINT32 id, APPLICATION_T*) {
  record(kStartTimer, period_ms, id);
  return 0;
}
UINT32 APP_UtilStopTimer(APPLICATION_T*) {
  record(kStopTimer);
  return 0;
}

// ---- The list file ----
UINT32 DL_FsSGetFileSize(const WCHAR* path, UINT8 reserved) {
  record(kFileSize, path_digest(path), reserved, file_bytes);
  return file_bytes;
}
FILE_HANDLE_T DL_FsOpenFile(const WCHAR* path, UINT8 mode, UINT8 reserved) {
  record(kOpenFile, path_digest(path), mode, reserved);
  if (mode == FILE_WRITE_MODE) {
    pending_bytes = 0;
    return kWriting;
  }
  read_at = 0;
  return file_bytes ? kReading : FILE_HANDLE_INVALID;
}
UINT32 DL_FsReadFile(void* buffer, UINT32 size, UINT32 count, FILE_HANDLE_T f, UINT32* done) {
  UINT32 want = size * count;
  UINT32 n = f == kReading ? (want < file_bytes - read_at ? want : file_bytes - read_at) : 0;
  copy((UINT8*)buffer, file + read_at, n);
  read_at += n;
  if (done) *done = n;
  record(kReadFile, size, count, f, n);
  return n == want ? 0 : 1;
}
UINT32 DL_FsWriteFile(const void* data, UINT32 size, UINT32 count, FILE_HANDLE_T f,
                      UINT32* done) {
  UINT32 want = size * count;
  UINT32 n = f == kWriting ? (want < kFileMax - pending_bytes ? want : kFileMax - pending_bytes) : 0;
  copy(pending + pending_bytes, (const UINT8*)data, n);
  pending_bytes += n;
  if (done) *done = n;
  record(kWriteFile, size, count, f, n);
  return n == want ? 0 : 1;
}
UINT32 DL_FsCloseFile(FILE_HANDLE_T f) {
  UINT32 r = 0;
  if (f == kWriting) {
    if (refuse_close) {
      r = 1;
    } else {
      copy(file, pending, pending_bytes);
      file_bytes = pending_bytes;
    }
    refuse_close = false;
  }
  record(kCloseFile, f, r);
  return r;
}

// ---- Clock, language, resources, memory, 16-bit text ----
UINT32 DL_ClkGetTime(CLK_TIME_T* time) {
  record(kClkGetTime);
  time->hour = 9;  // one-digit fields show whether minutes and seconds get their zero
  time->minute = 5;
  time->second = 42;
  return 0;
}
UINT32 DRM_GetCurrentLanguage(UINT8* code) {
  record(kGetLanguage, language[0]);
  for (UINT32 i = 0; i < LANG_CODE_SIZE; ++i) code[i] = language[i];
  return 0;
}
UINT32 DRM_CreateResource(RESOURCE_ID* id, UINT32 type, const void* data, UINT32 size) {
  record(kCreateResource, type, size);
  record_units(data, size);
  *id = 0x31;
  return 0;
}
UINT32 DRM_SetResource(RESOURCE_ID id, const void* data, UINT32 size) {
  record(kSetResource, id, size);
  record_units(data, size);
  return 0;
}
UINT32 DRM_ClearResource(RESOURCE_ID id) {
  record(kClearResource, id);
  return 0;
}

void* suAllocMem(UINT32 size, INT32* error) {
  UINT32 rounded = (size + 7) & ~7u;
  if (rounded == 0) rounded = 8;
  if (rounded > kArenaSize - arena_used) {
    if (error) *error = 1;
    return 0;
  }
  void* block = arena + arena_used;
  arena_used += rounded;
  ++held;
  if (error) *error = 0;
  return block;
}
void suFreeMem(void* block) {
  if (!block) return;
  if (held == 0) {
    check::fail("suFreeMem: a block given back twice");
    return;
  }
  if (--held == 0) arena_used = 0;
}

WCHAR* u_atou(const char* src, WCHAR* dst) {
  UINT32 i = 0;
  for (; src[i] != 0; ++i) dst[i] = (UINT8)src[i];
  dst[i] = 0;
  return dst;
}
char* u_utoa(const WCHAR* src, char* dst) {
  UINT32 i = 0;
  for (; src[i] != 0; ++i) dst[i] = (char)(UINT8)src[i];
  dst[i] = 0;
  return dst;
}
// Decimal by subtracting powers of ten: the phone side has no division routine to call.
WCHAR* u_ltou(UINT32 number, WCHAR* dst) {
  static const UINT32 kPowers[10] = {1000000000u, 100000000u, 10000000u, 1000000u, 100000u,
                                     10000u,      1000u,      100u,      10u,      1u};
  UINT32 o = 0;
  for (UINT32 p = 0; p < 10; ++p) {
    WCHAR digit = '0';
    while (number >= kPowers[p]) {
      number -= kPowers[p];
      ++digit;
    }
    if (digit != '0' || o != 0 || p == 9) dst[o++] = digit;
  }
  dst[o] = 0;
  return dst;
}
UINT32 u_strlen(const WCHAR* text) {
  UINT32 n = 0;
  while (text[n] != 0) ++n;
  return n;
}
WCHAR* u_strcat(WCHAR* dst, const WCHAR* src) {
  u_strcpy(dst + u_strlen(dst), src);
  return dst;
}
WCHAR* u_strcpy(WCHAR* dst, const WCHAR* src) {
  UINT32 i = 0;
  for (; src[i] != 0; ++i) dst[i] = src[i];
  dst[i] = 0;
  return dst;
}
size_t strlen(const char* text) noexcept {
  size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}
// Shift-and-subtract; dividing by zero gives 0 here, and the digest shows whether it happened.
UINT32 __rt_udiv(UINT32 divisor, UINT32 dividend) {
  if (divisor == 0) {
    check::fail("__rt_udiv: division by zero");
    return 0;
  }
  UINT32 quotient = 0, rest = 0;
  for (int bit = 31; bit >= 0; --bit) {
    rest = rest << 1 | (dividend >> bit & 1);
    if (rest >= divisor) {
      rest -= divisor;
      quotient |= 1u << bit;
    }
  }
  return quotient;
}
void PFprintf(const char* format, ...) {
  record(kPrintf);
  call_digest.text(format);
}

// ---- Dialogs and canvas ----
UIS_DIALOG_T UIS_CreateColorCanvas(UINT32* ui_context, DRAWING_BUFFER_T* buffer, UINT32 flags) {
  record(kCreateCanvas, buffer->buf != 0, buffer->w, buffer->h, flags);
  call_digest.word(ui_context != 0);
  return 0x41;
}
UIS_DIALOG_T UIS_CreateCharacterEditor(UINT32* ui_context, WCHAR* text, UINT8 type,
                                       UINT32 max_chars, UINT8 visible, UINT32 reserved,
                                       RESOURCE_ID title) {
  record(kCreateEditor, type, max_chars, visible, reserved);
  call_digest.word(title);
  call_digest.word(ui_context != 0);
  for (; text && *text != 0; ++text) call_digest.word(*text);
  return 0x42;
}
UINT32 UIS_HandleEvent(UIS_DIALOG_T dialog, struct EVENT_STACK_T*) {
  record(kUisHandleEvent, dialog);
  return 0;
}
UINT32 APP_UtilUISDialogDelete(UIS_DIALOG_T* slot) {
  record(kDialogDelete, *slot);
  *slot = 0;
  return 0;
}
UINT32 UIS_CanvasSetBackLight(UINT8 on) {
  record(kBackLight, on);
  return 0;
}
UINT32 UIS_CanvasSetForegroundColor(COLOR_T colour) {
  record(kForeground, colour_word(colour));
  return 0;
}
UINT32 UIS_CanvasSetFillColor(COLOR_T colour) {
  record(kFill, colour_word(colour));
  return 0;
}
UINT32 UIS_CanvasDrawLine(GRAPHIC_POINT_T from, GRAPHIC_POINT_T to, UIS_DIALOG_T canvas) {
  record(kCanvasLine, from, to, canvas);
  return 0;
}
UINT32 UIS_CanvasDrawRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UINT32 reserved,
                          UIS_DIALOG_T canvas) {
  record(kCanvasRect, corner1, corner2, reserved, canvas);
  return 0;
}
UINT32 UIS_CanvasFillRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UIS_DIALOG_T canvas) {
  record(kCanvasFillRect, corner1, corner2, canvas);
  return 0;
}

}  // extern "C"
