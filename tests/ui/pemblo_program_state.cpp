// What the list editor defines and its toolkit reads: list position, UI-mode flags, language.
#include <ui/pemblo_toolkit.h>

extern "C" {
UINT8 len, mx, pg, set, OnMenu, ExitMenu, About, Error;
UINT8 LGID[LANG_CODE_SIZE];
}
