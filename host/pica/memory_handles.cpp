// The host's memory handles: owned records keyed by the address of their slot.
#include "memory_handles.h"

namespace qv::host {

AIMdMemoryHandle MemoryHandles::add(const PluginModule* owner, std::span<const std::byte> bytes) {
  auto record = std::make_unique<Record>();
  record->owner = owner;
  record->bytes.assign(bytes.begin(), bytes.end());
  record->data = record->bytes.data();
  AIMdMemoryHandle handle = &record->data;
  live_.emplace(handle, std::move(record));
  return handle;
}

std::optional<std::size_t> MemoryHandles::size(AIMdMemoryHandle handle) const {
  const auto it = live_.find(handle);
  if (it == live_.end()) return std::nullopt;
  return it->second->bytes.size();
}

bool MemoryHandles::dispose(AIMdMemoryHandle handle) { return live_.erase(handle) != 0; }

std::size_t MemoryHandles::heldBy(const PluginModule* owner) const {
  std::size_t count = 0;
  for (const auto& [handle, record] : live_) count += record->owner == owner ? 1 : 0;
  return count;
}

}  // namespace qv::host
