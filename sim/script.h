// Scripts of the `phone` command: key presses, waits, the character editor and screenshots.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace phone {
class Platform;
}

namespace phone::sim {

class ScreenView;

struct Command {
  enum class Kind { Key, Wait, Type, Ok, Back, Repaint, Shot };
  Kind kind = Kind::Key;
  uint32_t value = 0;  // key code or milliseconds
  std::string text;    // TYPE text (UTF-8) or SHOT file
  std::string source;  // where the command was written, for messages
  int line = 0;
};

// A script that cannot be run: the message names the word and the line.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(const std::string& source, int line, const std::string& what)
      : std::runtime_error(source + ", line " + std::to_string(line) + ": " + what) {}
};

// Words are case-insensitive, several to a line; `#` starts a comment. `source` names the
// script in messages ("--keys", a file name). Throws ScriptError.
std::vector<Command> parseScript(std::string_view text, const std::string& source);

// The key codes of the named keys.
uint8_t keyCode(std::string_view word, bool& known);

// Runs commands against the platform's loaded program.
class ScriptRunner {
 public:
  // `wait` advances the clock (headless: the framework's virtual time; the window lets real
  // time pass). `warn` receives notes such as TYPE with no editor open. SHOT writes what
  // `view` shows (the runner's own view when none is given).
  ScriptRunner(Platform& platform, std::function<void(uint32_t ms)> wait,
               std::function<void(const std::string&)> warn, ScreenView* view = nullptr);
  ~ScriptRunner();

  // Runs one command. Returns false when the program has ended (the run ends with it).
  // Throws std::runtime_error when a SHOT cannot be written.
  bool run(const Command& command);
  // Runs the commands in order until the program ends; returns false if it ended.
  bool runAll(const std::vector<Command>& commands);

 private:
  Platform& platform_;
  std::function<void(uint32_t)> wait_;
  std::function<void(const std::string&)> warn_;
  std::unique_ptr<ScreenView> ownView_;
  ScreenView* view_;
};

// UTF-8 to 16-bit units (characters beyond the 16-bit plane become surrogate pairs).
// Throws std::invalid_argument on malformed UTF-8.
std::u16string utf16(std::string_view utf8);

}  // namespace phone::sim
