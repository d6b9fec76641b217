// Host memory for modules: every block is counted against the module that asked for it, a
// block the host did not hand out is refused, and a test can make the n-th request fail.
// Host UI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "SPTypes.h"

namespace qv::host {

struct PluginModule;

class BlockAllocator {
 public:
  BlockAllocator() = default;
  BlockAllocator(const BlockAllocator&) = delete;
  BlockAllocator& operator=(const BlockAllocator&) = delete;
  ~BlockAllocator();

  SPErr allocate(const PluginModule* owner, std::size_t size, void** block);
  // kSPBadHandleError for a pointer that is not a live block.
  SPErr free(void* block);
  SPErr reallocate(void* block, std::size_t size, void** newBlock);

  std::size_t blocks(const PluginModule* owner) const;
  std::size_t bytes(const PluginModule* owner) const;
  // Frees what `owner` still holds (a module that is gone for good); returns how many.
  std::size_t reclaim(const PluginModule* owner);

  // Makes the n-th request from now fail (1 = the next one); 0 disarms.
  void failRequest(uint64_t n) { failAt_ = n == 0 ? 0 : requests_ + n; }
  uint64_t requests() const { return requests_; }

 private:
  bool nextRequestFails();
  struct Block {
    const PluginModule* owner;
    std::size_t size;
  };
  std::unordered_map<void*, Block> live_;
  uint64_t requests_ = 0;
  uint64_t failAt_ = 0;
};

}  // namespace qv::host
