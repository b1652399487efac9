#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <phone/fs.h>

#include "log.h"
#include "platform.h"

namespace phone {

namespace {

constexpr size_t kMaxPathUnits = 4096;

void appendUtf8(std::string& out, uint32_t unit) {
  if (unit < 0x800) {
    out += char(0xC0 | (unit >> 6));
    out += char(0x80 | (unit & 0x3F));
  } else {
    out += char(0xE0 | (unit >> 12));
    out += char(0x80 | ((unit >> 6) & 0x3F));
    out += char(0x80 | (unit & 0x3F));
  }
}

void fsyncDirectory(const std::filesystem::path& file) {
  auto dir = file.parent_path();
  int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

Files::~Files() { abandonAll(); }

std::filesystem::path Files::hostPath(const WCHAR* path) {
  std::string out;
  if (!path) return out;
  for (size_t i = 0; i < kMaxPathUnits && path[i]; ++i) {
    if (path[i] <= 0xFF)
      out += char(path[i]);
    else
      appendUtf8(out, path[i]);
  }
  return out;
}

bool Files::fault(FileOp op) {
  uint64_t n = ++count_[index(op)];
  return failAt_[index(op)] != 0 && n == failAt_[index(op)];
}

Files::OpenFile* Files::find(FILE_HANDLE_T file) {
  auto it = open_.find(file);
  return it == open_.end() ? nullptr : &it->second;
}

uint32_t Files::size(const std::filesystem::path& path) {
  struct stat st{};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return st.st_size > 0xFFFFFFFF ? 0xFFFFFFFF : uint32_t(st.st_size);
}

FILE_HANDLE_T Files::open(const std::filesystem::path& path, uint8_t mode) {
  if (fault(FileOp::Open) || path.empty() || mode > FILE_WRITE_MODE) return FILE_HANDLE_INVALID;
  OpenFile file;
  file.path = path;
  if (mode == FILE_READ_MODE) {
    file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } else {
    file.writing = true;
    FILE_HANDLE_T id = next_;
    file.temp = path;
    file.temp.replace_filename("." + path.filename().string() + "." + std::to_string(::getpid()) +
                               "." + std::to_string(id) + ".tmp");
    file.fd = ::open(file.temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  }
  if (file.fd < 0) return FILE_HANDLE_INVALID;
  FILE_HANDLE_T id = next_++;
  open_.emplace(id, std::move(file));
  return id;
}

uint32_t Files::read(void* buffer, uint64_t bytes, FILE_HANDLE_T handle, uint32_t& done) {
  done = 0;
  OpenFile* file = find(handle);
  if (fault(FileOp::Read) || !file || file->writing || (!buffer && bytes)) return 1;
  auto* out = static_cast<uint8_t*>(buffer);
  uint64_t moved = 0;
  while (moved < bytes) {
    ssize_t n = ::read(file->fd, out + moved, bytes - moved);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    moved += uint64_t(n);
  }
  done = uint32_t(moved);
  return moved == bytes ? 0 : 1;
}

uint32_t Files::write(const void* data, uint64_t bytes, FILE_HANDLE_T handle, uint32_t& done) {
  done = 0;
  OpenFile* file = find(handle);
  if (!file) {
    fault(FileOp::Write);
    return 1;
  }
  // A failed write spoils the new content: the old file must stay as it is.
  if (fault(FileOp::Write) || !file->writing || file->failed || (!data && bytes)) {
    file->failed = true;
    return 1;
  }
  auto* in = static_cast<const uint8_t*>(data);
  uint64_t moved = 0;
  while (moved < bytes) {
    ssize_t n = ::write(file->fd, in + moved, bytes - moved);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    moved += uint64_t(n);
  }
  done = uint32_t(moved);
  if (moved != bytes) file->failed = true;
  return moved == bytes ? 0 : 1;
}

uint32_t Files::close(FILE_HANDLE_T handle) {
  bool failing = fault(FileOp::Close);
  auto it = open_.find(handle);
  if (it == open_.end()) return 1;
  OpenFile file = std::move(it->second);
  open_.erase(it);
  if (!file.writing) {
    ::close(file.fd);
    return failing ? 1 : 0;
  }
  // Replace the old file only with a complete, durable new content.
  bool ok = !failing && !file.failed && (!durable_ || ::fsync(file.fd) == 0);
  ok = ::close(file.fd) == 0 && ok;
  if (ok && std::rename(file.temp.c_str(), file.path.c_str()) == 0) {
    if (durable_) fsyncDirectory(file.path);
    return 0;
  }
  ::unlink(file.temp.c_str());
  return 1;
}

void Files::abandonAll() {
  for (auto& [id, file] : open_) {
    ::close(file.fd);
    if (file.writing) ::unlink(file.temp.c_str());
  }
  open_.clear();
}

void Files::reset() {
  abandonAll();
  next_ = 1;
  count_ = {};
  failAt_ = {};
}

}  // namespace phone

extern "C" {

UINT32 DL_FsSGetFileSize(const WCHAR* path, UINT8 reserved) {
  auto& p = phone::platform();
  UINT32 size = p.files().size(phone::Files::hostPath(path));
  p.trace().record("DL_FsSGetFileSize", {path != nullptr, reserved, size});
  return size;
}

FILE_HANDLE_T DL_FsOpenFile(const WCHAR* path, UINT8 mode, UINT8 reserved) {
  auto& p = phone::platform();
  FILE_HANDLE_T file = p.files().open(phone::Files::hostPath(path), mode);
  p.trace().record("DL_FsOpenFile", {path != nullptr, mode, reserved, file});
  return file;
}

UINT32 DL_FsReadFile(void* buffer, UINT32 size, UINT32 count, FILE_HANDLE_T file, UINT32* done) {
  auto& p = phone::platform();
  UINT32 moved = 0;
  UINT32 r = p.files().read(buffer, uint64_t(size) * count, file, moved);
  if (done) *done = moved;
  p.trace().record("DL_FsReadFile", {buffer != nullptr, size, count, file, moved, r});
  return r;
}

UINT32 DL_FsWriteFile(const void* data, UINT32 size, UINT32 count, FILE_HANDLE_T file,
                      UINT32* done) {
  auto& p = phone::platform();
  UINT32 moved = 0;
  UINT32 r = p.files().write(data, uint64_t(size) * count, file, moved);
  if (done) *done = moved;
  p.trace().record("DL_FsWriteFile", {data != nullptr, size, count, file, moved, r});
  return r;
}

UINT32 DL_FsCloseFile(FILE_HANDLE_T file) {
  auto& p = phone::platform();
  UINT32 r = p.files().close(file);
  p.trace().record("DL_FsCloseFile", {file, r});
  return r;
}

}  // extern "C"
