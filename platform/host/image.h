// A loaded application image: a shared object opened with dlopen, closed on destruction.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace phone {

class Image {
 public:
  // Opens the image (RTLD_NOW | RTLD_LOCAL). Throws std::runtime_error with dlerror()'s text.
  explicit Image(const std::filesystem::path& path);
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The address of a symbol of the image, or null when it has none.
  void* find(const char* name) const noexcept;

  // The symbol as a T (an object or function type). Throws std::runtime_error naming the
  // symbol, the image and dlerror()'s text when it is missing.
  template <class T>
  T* symbol(const char* name) const {
    void* address = find(name);
    if (!address) throw std::runtime_error(missing(name));
    return reinterpret_cast<T*>(address);
  }

 private:
  std::string missing(const char* name) const;

  std::filesystem::path path_;
  void* handle_ = nullptr;
};

}  // namespace phone
