// The platform's memory service: live-block accounting and allocation failures for tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace phone {

class Memory {
 public:
  Memory() = default;
  ~Memory();
  Memory(const Memory&) = delete;
  Memory& operator=(const Memory&) = delete;

  // suAllocMem: a fresh block (size 0 gives a valid unique block), or null when allocation
  // is made to fail. New blocks are filled with 0xA5, as a phone's memory is not cleared.
  void* alloc(uint32_t size);
  // suFreeMem: gives a block back. An address that is not a live block is recorded as a
  // violation and left alone.
  void free(void* block);

  size_t liveBlocks() const { return blocks_.size(); }
  uint64_t liveBytes() const;
  uint64_t allocations() const { return allocations_; }  // since reset

  // The n-th allocation from now fails (1 = the next); 0 cancels.
  void failAt(uint64_t n);
  // Every allocation fails while on.
  void failAll(bool on) { failAll_ = on; }

  // The framework names the top-level call into the program in flight ("" between calls).
  void beginCall(std::string_view call) { call_ = call; }
  // After a top-level call returned: each block still held is recorded as a violation once.
  void checkAfter(std::string_view call);
  const std::vector<std::string>& violations() const { return violations_; }
  void clearViolations() { violations_.clear(); }

  // Frees every block (the program is unloaded).
  void releaseAll();
  void reset();

 private:
  struct Block {
    uint32_t size;
    std::string call;
    bool reported = false;
  };
  std::unordered_map<void*, Block> blocks_;
  std::vector<std::string> violations_;
  std::string call_;
  uint64_t allocations_ = 0;
  uint64_t failAt_ = 0;
  bool failAll_ = false;
};

}  // namespace phone
