// A test session: a platform just switched on, with one image loaded as the phone would.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"
#include "display.h"
#include "framework.h"
#include "image.h"
#include "platform.h"

namespace phone::testing {

struct SessionOptions {
  std::string image = "fixture";  // an image of PHONE_IMAGE_DIR, without ".so"
  // Directory of the program file (its list file lives there); a fresh temporary directory,
  // removed at the end, when not given.
  std::optional<std::filesystem::path> dir;
  std::string language = "en";  // "en" or "#ru"
  TimeOfDay clock{};             // time of day at start
  // Files written into the directory before the image is loaded: name -> bytes.
  std::map<std::string, std::string> files;
  bool load = true;  // false: call load() yourself (after preparing the platform)
};

class Session {
 public:
  explicit Session(SessionOptions options = {});
  explicit Session(const std::string& image) : Session(SessionOptions{.image = image}) {}
  // Destroys a program still running, checks that no memory block is held, resets the
  // platform and removes the temporary directory.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Loads the image through the framework with the program path "<dir>/<image>.elf".
  void load();

  Platform& platform() { return phone::platform(); }
  Framework& framework() { return phone::platform().framework(); }
  Display& display() { return phone::platform().display(); }

  const std::filesystem::path& dir() const { return dir_; }
  std::filesystem::path programPath() const;
  static std::filesystem::path imagePath(const std::string& image);

  // A file of the directory: its bytes ("" when missing), and writing it.
  std::string file(const std::string& name) const;
  void writeFile(const std::string& name, const std::string& bytes) const;

  // A variable or routine of the loaded program by name (dlsym in the image): sym<UINT8>("x"),
  // sym<UINT16[6]>("sett"), sym<UINT32(EVENT_STACK_T*, APPLICATION_T*)>("paint").
  // Throws std::runtime_error when no image is loaded or the name is missing.
  template <class T>
  T& sym(const char* name) {
    Image* image = framework().image();
    if (!image) throw std::runtime_error(std::string("no image loaded to look up ") + name);
    return *image->symbol<T>(name);
  }

  // Debug lines written so far (PFprintf and platform diagnostics).
  const std::vector<std::string>& debugLines();
  // Memory violations recorded so far.
  const std::vector<std::string>& memoryViolations();

 private:
  SessionOptions options_;
  std::filesystem::path dir_;
  bool ownDir_ = false;
};

}  // namespace phone::testing
