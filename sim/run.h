// One run of the `phone` command: the options, and the headless and window front-ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "screen_view.h"
#include "script.h"

namespace phone::sim {

// Exit statuses of the command.
enum ExitStatus { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

struct RunOptions {
  std::filesystem::path image;        // the image file
  std::filesystem::path programPath;  // the program file's path as the program sees it
  std::vector<Command> commands;      // --keys, then --script
  std::optional<std::filesystem::path> screenshot;
  int scale = 3;
};

// Runs the loaded program headless: the script in virtual time, the screenshot at the end.
int runHeadless(const RunOptions& options);

// Runs the loaded program in a window; false from `available()` when built without SDL2.
bool windowAvailable();
int runWindow(const RunOptions& options);

// Writes what the screen shows (the display, or the character editor over it) at the end of a
// run or on F12; returns false after one line on standard error.
bool writeScreenshot(const std::filesystem::path& path, ScreenView& view);

}  // namespace phone::sim
