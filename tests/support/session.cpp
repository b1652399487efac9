#include "session.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "files.h"
#include "language.h"
#include "log.h"
#include "memory.h"

namespace phone::testing {

namespace {

std::filesystem::path makeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "phone-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data()))
    throw std::runtime_error("cannot make a temporary directory from " + pattern);
  return pattern;
}

}  // namespace

Session::Session(SessionOptions options) : options_(std::move(options)) {
  auto& p = phone::platform();
  p.reset();
  p.files().setDurable(false);  // thousands of throw-away files: atomic, not flushed to disk
  p.trace().enable(true);
  p.language().set(options_.language);
  p.clock().setTimeOfDay(options_.clock);
  if (options_.dir) {
    dir_ = *options_.dir;
    std::filesystem::create_directories(dir_);
  } else {
    dir_ = makeTempDir();
    ownDir_ = true;
  }
  for (const auto& [name, bytes] : options_.files) writeFile(name, bytes);
  if (options_.load) load();
}

Session::~Session() {
  auto& p = phone::platform();
  if (p.framework().running()) p.framework().destroy();
  EXPECT_TRUE(p.memory().violations().empty())
      << "memory blocks held by the program:\n"
      << [&] {
           std::string all;
           for (const auto& v : p.memory().violations()) all += "  " + v + "\n";
           return all;
         }();
  p.reset();
  if (ownDir_) {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
}

std::filesystem::path Session::imagePath(const std::string& image) {
  return std::filesystem::path(PHONE_IMAGE_DIR) / (image + ".so");
}

std::filesystem::path Session::programPath() const { return dir_ / (options_.image + ".elf"); }

void Session::load() {
  framework().load(imagePath(options_.image), programPath().string());
}

std::string Session::file(const std::string& name) const {
  std::ifstream in(dir_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Session::writeFile(const std::string& name, const std::string& bytes) const {
  std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + (dir_ / name).string());
}

const std::vector<std::string>& Session::debugLines() { return phone::platform().log().lines(); }

const std::vector<std::string>& Session::memoryViolations() {
  return phone::platform().memory().violations();
}

}  // namespace phone::testing
