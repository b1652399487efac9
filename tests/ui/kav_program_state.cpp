// What the calculator defines and its toolkit uses: the canvas handle.
#include <ui/kav_toolkit.h>

extern "C" {
UIS_DIALOG_T dialog;
}
