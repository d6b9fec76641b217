// Opaque handles for host objects: a handle is a number the host hands out (never a pointer a
// module could follow), looked up again and checked on every use, so a stale, foreign or
// disposed handle is answered with an error instead of a crash. Host UI thread only.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

namespace qv::host {

// One counter for all tables, so handles of different kinds never coincide.
uintptr_t nextHandleValue();

template <typename Handle, typename T>
class HandleTable {
 public:
  Handle add(T value) {
    const auto handle = reinterpret_cast<Handle>(nextHandleValue());
    objects_.emplace(handle, std::move(value));
    return handle;
  }
  T* find(Handle handle) {
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : &it->second;
  }
  const T* find(Handle handle) const {
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : &it->second;
  }
  bool erase(Handle handle) { return objects_.erase(handle) != 0; }
  std::size_t size() const { return objects_.size(); }
  auto begin() { return objects_.begin(); }
  auto end() { return objects_.end(); }
  auto begin() const { return objects_.begin(); }
  auto end() const { return objects_.end(); }

 private:
  std::map<Handle, T> objects_;
};

}  // namespace qv::host
