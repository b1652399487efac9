// The stroke-font image's one variable of the calculator: the canvas that the primitives draw
// on. The calculator itself sets it on entering its main state; here the loader does.
#include <phone/types.h>

extern "C" {
UIS_DIALOG_T dialog;
}
