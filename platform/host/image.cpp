#include "image.h"

#include <dlfcn.h>

namespace phone {

namespace {
std::string lastError() {
  const char* text = dlerror();
  return text ? text : "unknown error";
}
}  // namespace

Image::Image(const std::filesystem::path& path) : path_(path) {
  dlerror();
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error("cannot load image " + path.string() + ": " + lastError());
}

Image::~Image() {
  if (handle_) dlclose(handle_);
}

void* Image::find(const char* name) const noexcept {
  dlerror();
  return dlsym(handle_, name);
}

std::string Image::missing(const char* name) const {
  return "image " + path_.string() + " has no symbol " + name + ": " + lastError();
}

}  // namespace phone
