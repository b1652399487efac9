#include <iostream>

#include "display.h"
#include "framework.h"
#include "platform.h"
#include "run.h"

namespace phone::sim {

bool writeScreenshot(const std::filesystem::path& path, ScreenView& view) {
  try {
    view.writePng(path, platform());
    return true;
  } catch (const std::exception& e) {
    std::cerr << "phone: " << e.what() << "\n";
    return false;
  }
}

int runHeadless(const RunOptions& options) {
  Platform& platform = phone::platform();
  ScreenView view;
  ScriptRunner runner(
      platform, [&](uint32_t ms) { platform.framework().advance(ms); },
      [](const std::string& note) { std::cerr << "phone: " << note << "\n"; }, &view);
  for (const Command& command : options.commands) {
    try {
      if (!runner.run(command)) break;  // the program exited: the run ends
    } catch (const std::exception& e) {
      std::cerr << "phone: " << command.source << ", line " << command.line << ": " << e.what()
                << "\n";
      return kExitFailure;
    }
  }
  if (options.screenshot && !writeScreenshot(*options.screenshot, view)) return kExitFailure;
  // The end of the run closes the program as the phone would.
  if (platform.framework().running()) platform.framework().destroy();
  return kExitOk;
}

}  // namespace phone::sim
