// Host memory handles (AI MdMemory Suite): a handle is the address of a slot that points to the
// handle's bytes, as a module reads an AIMdMemoryHandle; each is counted against the module it
// was handed to, and one the host did not hand out is refused. Host UI thread only.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "AITypes.h"

namespace qv::host {

struct PluginModule;

class MemoryHandles {
 public:
  // A new handle holding a copy of `bytes`, counted against `owner`.
  AIMdMemoryHandle add(const PluginModule* owner, std::span<const std::byte> bytes);
  // The handle's size in bytes; none for a handle the host did not hand out.
  std::optional<std::size_t> size(AIMdMemoryHandle handle) const;
  // False for a handle the host did not hand out (or gave back already).
  bool dispose(AIMdMemoryHandle handle);
  std::size_t heldBy(const PluginModule* owner) const;

 private:
  struct Record {
    void* data = nullptr;  // the slot the handle points to
    const PluginModule* owner = nullptr;
    std::vector<std::byte> bytes;
  };
  std::unordered_map<AIMdMemoryHandle, std::unique_ptr<Record>> live_;
};

}  // namespace qv::host
