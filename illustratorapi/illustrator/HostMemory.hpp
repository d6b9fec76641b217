// The module side of host memory: every heap block of a module comes from the host's SP Basic
// Suite. HostMemory.cpp replaces the module's global operator new and delete with these (the
// module's version script keeps them private to it).
#ifndef QV_HOSTMEMORY_HPP
#define QV_HOSTMEMORY_HPP

#include <cstddef>

#include "SPBasic.h"

// Refreshed from every message by PluginMain; null before the first one.
extern const SPBasicSuite* sSPBasic;

namespace ai {
// A block from the host, or null when there is no basic suite or the host has no block.
void* HostAllocate(std::size_t size) noexcept;
// Returns a block from HostAllocate; ignores null.
void HostFree(void* block) noexcept;
}  // namespace ai

#endif
