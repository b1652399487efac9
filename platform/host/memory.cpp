#include "memory.h"

#include <cstdlib>
#include <cstring>

#include <phone/sys.h>

#include "platform.h"

namespace phone {

Memory::~Memory() { releaseAll(); }

void* Memory::alloc(uint32_t size) {
  ++allocations_;
  if (failAll_ || (failAt_ != 0 && allocations_ == failAt_)) return nullptr;
  void* block = std::malloc(size ? size : 1);
  if (!block) return nullptr;
  std::memset(block, 0xA5, size ? size : 1);
  blocks_.emplace(block, Block{size, call_.empty() ? std::string("no call") : call_});
  return block;
}

void Memory::free(void* block) {
  if (!block) return;
  auto it = blocks_.find(block);
  if (it == blocks_.end()) {
    violations_.push_back("suFreeMem of an address that is not a live block");
    return;
  }
  std::free(block);
  blocks_.erase(it);
}

uint64_t Memory::liveBytes() const {
  uint64_t total = 0;
  for (const auto& [address, block] : blocks_) total += block.size;
  return total;
}

void Memory::failAt(uint64_t n) { failAt_ = n ? allocations_ + n : 0; }

void Memory::checkAfter(std::string_view call) {
  for (auto& [address, block] : blocks_) {
    if (block.reported) continue;
    block.reported = true;
    violations_.push_back("a block of " + std::to_string(block.size) + " bytes taken in " +
                          block.call + " is still held after " + std::string(call) +
                          " returned");
  }
}

void Memory::releaseAll() {
  for (auto& [address, block] : blocks_) std::free(address);
  blocks_.clear();
}

void Memory::reset() {
  releaseAll();
  violations_.clear();
  call_.clear();
  allocations_ = 0;
  failAt_ = 0;
  failAll_ = false;
}

}  // namespace phone

extern "C" {

void* suAllocMem(UINT32 size, INT32* error) {
  auto& p = phone::platform();
  void* block = p.memory().alloc(size);
  p.trace().record("suAllocMem", {size, block != nullptr});
  if (error) *error = block ? 0 : 1;
  return block;
}

void suFreeMem(void* block) {
  auto& p = phone::platform();
  p.trace().record("suFreeMem", {block != nullptr});
  p.memory().free(block);
}

}  // extern "C"
