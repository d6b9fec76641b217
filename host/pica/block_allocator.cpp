// Counted host memory. Touches only the blocks it handed out.
#include "block_allocator.h"

#include <cstdlib>

namespace qv::host {

BlockAllocator::~BlockAllocator() {
  for (auto& [pointer, block] : live_) std::free(pointer);
}

bool BlockAllocator::nextRequestFails() {
  ++requests_;
  if (failAt_ != 0 && requests_ == failAt_) {
    failAt_ = 0;
    return true;
  }
  return false;
}

SPErr BlockAllocator::allocate(const PluginModule* owner, std::size_t size, void** block) {
  if (block == nullptr) return kSPBadParameterError;
  *block = nullptr;
  if (nextRequestFails()) return kSPOutOfMemoryError;
  void* pointer = std::malloc(size == 0 ? 1 : size);
  if (pointer == nullptr) return kSPOutOfMemoryError;
  live_.emplace(pointer, Block{owner, size});
  *block = pointer;
  return kSPNoError;
}

SPErr BlockAllocator::free(void* block) {
  const auto it = live_.find(block);
  if (it == live_.end()) return kSPBadHandleError;
  live_.erase(it);
  std::free(block);
  return kSPNoError;
}

SPErr BlockAllocator::reallocate(void* block, std::size_t size, void** newBlock) {
  if (newBlock == nullptr) return kSPBadParameterError;
  *newBlock = nullptr;
  const auto it = live_.find(block);
  if (it == live_.end()) return kSPBadHandleError;
  if (nextRequestFails()) return kSPOutOfMemoryError;
  const Block info = it->second;
  void* pointer = std::realloc(block, size == 0 ? 1 : size);
  if (pointer == nullptr) return kSPOutOfMemoryError;
  live_.erase(it);
  live_.emplace(pointer, Block{info.owner, size});
  *newBlock = pointer;
  return kSPNoError;
}

std::size_t BlockAllocator::blocks(const PluginModule* owner) const {
  std::size_t count = 0;
  for (const auto& [pointer, block] : live_) count += block.owner == owner ? 1 : 0;
  return count;
}

std::size_t BlockAllocator::bytes(const PluginModule* owner) const {
  std::size_t total = 0;
  for (const auto& [pointer, block] : live_) total += block.owner == owner ? block.size : 0;
  return total;
}

std::size_t BlockAllocator::reclaim(const PluginModule* owner) {
  std::size_t count = 0;
  for (auto it = live_.begin(); it != live_.end();) {
    if (it->second.owner == owner) {
      std::free(it->first);
      it = live_.erase(it);
      ++count;
    } else {
      ++it;
    }
  }
  return count;
}

}  // namespace qv::host
