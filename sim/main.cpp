// The `phone` command: runs a phone program in the simulator, in a window or headless.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "clock.h"
#include "framework.h"
#include "language.h"
#include "platform.h"
#include "run.h"
#include "script.h"

namespace fs = std::filesystem;
using namespace phone;
using namespace phone::sim;

namespace {

constexpr const char* kVersion = "phone 1.0";

constexpr const char* kFooter = R"(
Script commands (one or more a line, any case; # starts a comment):
  UP DOWN LEFT RIGHT    the joystick (0x2C 0x2D 0x2E 0x2F)
  MENU                  the left soft key (0x0E)
  SOFT2                 the right soft key (0x0F)
  SELECT                the joystick's select (0x3D)
  LIGHT                 the backlight key (0x0A)
  END                   the red end key (0x11)
  KEY 0xNN              any key code
  WAIT MS               advance the clock by MS milliseconds; timer ticks fire on the way
                        (in the window, where the clock runs in real time: pause the script)
  TYPE "TEXT"           replace the whole text of the open character editor with TEXT
                        (UTF-8; \" and \\ inside the quotes); the cursor goes to its end
  OK                    confirm the character editor
  BACK                  leave the character editor
  REPAINT               send the repaint event (0x14)
  SHOT FILE.png         write the screen now (the character editor while it is open)
A word the runner does not know stops the run before it starts, naming the word and the
line (exit status 2). A program that exits ends the run. Headless runs use virtual time and
give the same screenshots for the same script.

Window keys:
  arrows                the joystick (held: repeats like the phone's)
  Enter                 select
  F1 / F2               left / right soft key
  Esc                   the red end key
  L                     the backlight key
  + / -                 zoom in / out (whole pixels)
  F12                   screenshot into the current directory
While the character editor is open it has the keyboard: typed text (Cyrillic included) goes
in at the cursor, up to the program's maximum (the count shows at the top right; + and -
are text here, not zoom); Backspace and Delete delete before and after the cursor; Left,
Right, Home and End move it; Enter or F2 (the right soft key, "OK") confirms; Esc goes back
without a change; F1 does nothing. The window dims while the backlight is off. Closing the
window closes the program as the phone would.

Exit statuses:
  0  the run ended: the script finished, the program exited or the window was closed
  1  a failure: the image cannot be loaded, a file cannot be written, no window
  2  a usage error: a wrong option or a script word the runner does not know

Examples:
  phone kav
  phone kav --headless --keys "MENU DOWN SELECT" --screenshot result.png
  phone pemblo --dir /tmp/list --lang ru --script edit.txt
)";

fs::path executableDir() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : self.parent_path();
}

fs::path defaultDataDir() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return fs::path(xdg) / "phone-sim";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".local" / "share" / "phone-sim";
  return fs::current_path() / "phone-sim";
}

// "HH:MM:SS" to a time of day, or nullopt.
std::optional<TimeOfDay> parseClock(const std::string& text) {
  unsigned h = 0, m = 0, s = 0;
  char rest = 0;
  if (text.size() != 8 || std::sscanf(text.c_str(), "%2u:%2u:%2u%c", &h, &m, &s, &rest) != 3 ||
      h > 23 || m > 59 || s > 59)
    return std::nullopt;
  return TimeOfDay{uint8_t(h), uint8_t(m), uint8_t(s)};
}

std::string readAll(std::istream& in) {
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int fail(const std::string& message, int status = kExitFailure) {
  std::cerr << "phone: " << message << "\n";
  return status;
}

int run(int argc, char** argv) {
  CLI::App app{"phone: the phone simulator. Runs a phone program (176 x 220 screen) in a "
               "window, or headless from a script."};
  app.name("phone");
  app.footer(kFooter);
  app.set_version_flag("--version", kVersion, "Print the version and exit");

  std::string appName, keys, scriptFile, screenshot, dir, lang = "en", clockText, traceFile;
  bool headless = false;
  int scale = 3;
  app.add_option("APP", appName, "kav, pemblo, or the path of an image")->required()->type_name("");
  app.add_flag("--headless", headless, "No window: run the script, then exit");
  app.add_option("--keys", keys, "A script given on the command line: \"WORD ...\"")
      ->type_name("\"WORD ...\"");
  app.add_option("--script", scriptFile, "A script file, one command a line (\"-\": standard input)")
      ->type_name("FILE");
  app.add_option("--screenshot", screenshot,
                 "Write the screen (the display, or the character editor over it) to FILE.png "
                 "at the end of the run")
      ->type_name("FILE.png");
  app.add_option("--dir", dir,
                 "Directory of the program file; pemblo's list file BlackList.txt lives there "
                 "(default: $XDG_DATA_HOME/phone-sim or ~/.local/share/phone-sim, made if missing)")
      ->type_name("DIR");
  app.add_option("--lang", lang, "The phone's language: en or ru (default en)")
      ->check(CLI::IsMember({"en", "ru"}))
      ->type_name("LANG");
  app.add_option("--clock", clockText, "The phone's time of day at start, HH:MM:SS "
                                       "(default: headless 12:00:00, window the host's time)")
      ->type_name("HH:MM:SS");
  app.add_option("--scale", scale, "Window zoom in whole pixels (default 3)")
      ->check(CLI::Range(1, 16))
      ->type_name("N");
  app.add_option("--trace", traceFile, "Write the platform calls to FILE, one a line")
      ->type_name("FILE");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return kExitOk;
  } catch (const CLI::CallForVersion&) {
    std::cout << kVersion << "\n";
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    return fail(std::string(e.what()) + " (phone --help lists the options)", kExitUsage);
  }

  std::optional<TimeOfDay> startTime;
  if (!clockText.empty() && !(startTime = parseClock(clockText)))
    return fail("--clock: \"" + clockText + "\" is not a time of day HH:MM:SS", kExitUsage);

  RunOptions options;
  options.scale = scale;
  if (!screenshot.empty()) options.screenshot = screenshot;
  try {
    if (!keys.empty()) options.commands = parseScript(keys, "--keys");
    if (!scriptFile.empty()) {
      std::string text;
      if (scriptFile == "-") {
        text = readAll(std::cin);
      } else {
        std::ifstream in(scriptFile, std::ios::binary);
        if (!in) return fail("cannot read script " + scriptFile + ": " + std::strerror(errno));
        text = readAll(in);
      }
      auto more = parseScript(text, scriptFile == "-" ? "standard input" : scriptFile);
      options.commands.insert(options.commands.end(), more.begin(), more.end());
    }
  } catch (const ScriptError& e) {
    return fail(e.what(), kExitUsage);
  }

  // kav and pemblo are the images built beside this command.
  if (appName == "kav" || appName == "pemblo")
    options.image = executableDir() / "images" / (appName + ".so");
  else
    options.image = appName;
  std::error_code error;
  if (!fs::is_regular_file(options.image, error))
    return fail("cannot load " + options.image.string() + ": " +
                (fs::exists(options.image, error) ? "not a file" : "no such file"));

  const fs::path dataDir = dir.empty() ? defaultDataDir() : fs::path(dir);
  fs::create_directories(dataDir, error);
  if (error || !fs::is_directory(dataDir))
    return fail("cannot use directory " + dataDir.string() + ": " +
                (error ? error.message() : "not a directory"));
  options.programPath = fs::absolute(dataDir) / (options.image.stem().string() + ".elf");

  if (!headless && !windowAvailable())
    return fail("this build has no window (SDL2 was not found when it was built); use --headless");

  Platform& platform = phone::platform();
  platform.reset();
  platform.language().set(lang == "ru" ? "#ru" : "en");
  if (startTime) platform.clock().setTimeOfDay(*startTime);
  platform.clock().setMode(headless ? Clock::Mode::Virtual : Clock::Mode::Real);
  platform.trace().enable(!traceFile.empty());

  try {
    platform.framework().load(options.image, options.programPath.string());
  } catch (const std::exception& e) {
    return fail("cannot load " + options.image.string() + ": " + e.what());
  }

  int status = headless ? runHeadless(options) : runWindow(options);

  if (!traceFile.empty()) {
    std::ofstream out(traceFile);
    for (const auto& line : platform.trace().lines()) out << line << "\n";
    out.close();
    if (!out) {
      fail("cannot write trace " + traceFile + ": " + std::strerror(errno));
      status = status == kExitOk ? kExitFailure : status;
    }
  }
  platform.reset();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    return fail(e.what());
  }
}
