#include "display.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace phone {

namespace {

std::runtime_error pngError(const char* what, const std::filesystem::path& path,
                            const std::string& cause) {
  return std::runtime_error(std::string(what) + " " + path.string() + ": " + cause);
}

// Frees what libpng's simplified API holds when the scope ends, success or not.
struct PngImage {
  png_image image{};
  PngImage() { image.version = PNG_IMAGE_VERSION; }
  ~PngImage() { png_image_free(&image); }
};

}  // namespace

void writePng(const std::filesystem::path& path, const Display& display, int scale) {
  if (scale < 1 || scale > 64)
    throw pngError("cannot write", path, "scale " + std::to_string(scale) + " is not 1 to 64");
  const int width = Display::kWidth * scale;
  const int height = Display::kHeight * scale;
  std::vector<uint8_t> rows(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = display.pixel(x / scale, y / scale);
      uint8_t* out = &rows[(static_cast<size_t>(y) * width + x) * 3];
      out[0] = p.r;
      out[1] = p.g;
      out[2] = p.b;
    }
  }

  // Encoded in memory first so that a file error is reported with the system's cause; the
  // simplified writer adds no time chunk, so the same frame gives the same bytes.
  PngImage png;
  png.image.width = width;
  png.image.height = height;
  png.image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png.image, nullptr, &size, 0, rows.data(), 0, nullptr))
    throw pngError("cannot write", path, png.image.message);
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&png.image, bytes.data(), &size, 0, rows.data(), 0, nullptr))
    throw pngError("cannot write", path, png.image.message);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw pngError("cannot write", path, std::strerror(errno));
  const bool written = std::fwrite(bytes.data(), 1, size, file) == size;
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed)
    throw pngError("cannot write", path, std::strerror(written ? errno : writeErrno));
}

std::vector<Rgb> readPng(const std::filesystem::path& path, int& width, int& height) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw pngError("cannot read", path, std::strerror(errno));
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size()))
    throw pngError("cannot read", path, png.image.message);
  png.image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rows(PNG_IMAGE_SIZE(png.image));
  if (!png_image_finish_read(&png.image, nullptr, rows.data(), 0, nullptr))
    throw pngError("cannot read", path, png.image.message);

  width = static_cast<int>(png.image.width);
  height = static_cast<int>(png.image.height);
  std::vector<Rgb> pixels(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = Rgb{rows[i * 3], rows[i * 3 + 1], rows[i * 3 + 2]};
  return pixels;
}

}  // namespace phone
