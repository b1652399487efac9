// The toolkit's widgets for the program being built: the calculator's copy (UI_FOR_KAV) or
// the list editor's (UI_FOR_PEMBLO); the toolkit library of each program defines its macro.
#pragma once

#if defined(UI_FOR_KAV)
#include "kav_toolkit.h"
#elif defined(UI_FOR_PEMBLO)
#include "pemblo_toolkit.h"
#else
#error "Link the program's toolkit (kav_toolkit or pemblo_toolkit)"
#endif
