// Built without SDL2: only the headless runner.
#include "run.h"

namespace phone::sim {

bool windowAvailable() { return false; }
int runWindow(const RunOptions&) { return kExitFailure; }

}  // namespace phone::sim
