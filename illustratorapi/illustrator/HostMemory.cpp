// The module's global operator new and delete, routed to the host's SP Basic Suite so that the
// host accounts for every block. The throwing forms throw std::bad_alloc when the host has no
// block (the message wrapper turns that into an error code); the nothrow forms return null.
#include "HostMemory.hpp"

#include <new>

const SPBasicSuite* sSPBasic = nullptr;

namespace ai {

void* HostAllocate(std::size_t size) noexcept {
  if (sSPBasic == nullptr) return nullptr;
  void* block = nullptr;
  if (sSPBasic->AllocateBlock(size == 0 ? 1 : size, &block) != kSPNoError) return nullptr;
  return block;
}

void HostFree(void* block) noexcept {
  if (block != nullptr && sSPBasic != nullptr) sSPBasic->FreeBlock(block);
}

}  // namespace ai

namespace {
void* allocateOrThrow(std::size_t size) {
  void* block = ai::HostAllocate(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}
}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return ai::HostAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return ai::HostAllocate(size);
}
void operator delete(void* block) noexcept { ai::HostFree(block); }
void operator delete[](void* block) noexcept { ai::HostFree(block); }
void operator delete(void* block, std::size_t) noexcept { ai::HostFree(block); }
void operator delete[](void* block, std::size_t) noexcept { ai::HostFree(block); }
