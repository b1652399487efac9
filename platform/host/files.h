// Files named by 16-bit paths. A file opened for writing is written to a temporary file
// beside it, which replaces the old file atomically when it is closed.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>

#include <phone/types.h>

namespace phone {

enum class FileOp { Open, Read, Write, Close };

class Files {
 public:
  Files() = default;
  ~Files();
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;

  // Units up to 0xFF become that byte, larger units their UTF-8 form.
  static std::filesystem::path hostPath(const WCHAR* path);

  uint32_t size(const std::filesystem::path& path);  // 0 for a missing file
  // Mode 0 reads from the start; mode 1 writes a new content. FILE_HANDLE_INVALID on failure.
  FILE_HANDLE_T open(const std::filesystem::path& path, uint8_t mode);
  // Both return 0 when every byte was moved; `done` gets the number of bytes moved.
  uint32_t read(void* buffer, uint64_t bytes, FILE_HANDLE_T file, uint32_t& done);
  uint32_t write(const void* data, uint64_t bytes, FILE_HANDLE_T file, uint32_t& done);
  // 0 when closed and, for a written file, its new content is in place. A file whose write
  // failed is closed without replacing the old content, and the result is non-zero.
  uint32_t close(FILE_HANDLE_T file);

  // Fault injection: the n-th operation of that kind, counted since reset, fails (0 cancels).
  void failAt(FileOp op, uint64_t n) { failAt_[index(op)] = n; }
  uint64_t count(FileOp op) const { return count_[index(op)]; }
  size_t openFiles() const { return open_.size(); }

  // Durable replace (fsync of the new content and its directory) is the phone's behaviour;
  // tests and the fuzzer, which write thousands of throw-away files, may do without it. The
  // replace stays atomic either way.
  void setDurable(bool on) { durable_ = on; }

  // Closes every open file without replacing anything, as a crash would.
  void abandonAll();
  void reset();

 private:
  struct OpenFile {
    int fd = -1;
    bool writing = false;
    bool failed = false;
    std::filesystem::path path, temp;
  };
  static size_t index(FileOp op) { return static_cast<size_t>(op); }
  bool fault(FileOp op);
  OpenFile* find(FILE_HANDLE_T file);

  std::map<FILE_HANDLE_T, OpenFile> open_;
  FILE_HANDLE_T next_ = 1;
  std::array<uint64_t, 4> count_{};
  std::array<uint64_t, 4> failAt_{};
  bool durable_ = true;
};

}  // namespace phone
