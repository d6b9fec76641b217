// The host's Unicode strings, counted per module so a test can see that a module gave back
// every string it made.
#pragma once

#include <cstddef>
#include <string>

#include "AITypes.h"
#include "handle_table.h"

namespace qv::host {

struct PluginModule;

struct HostString {
  const PluginModule* owner = nullptr;
  std::string utf8;
};

class StringStore {
 public:
  AIUnicodeStringRef add(const PluginModule* owner, std::string text) {
    return strings_.add(HostString{owner, std::move(text)});
  }
  HostString* find(AIUnicodeStringRef string) { return strings_.find(string); }
  bool erase(AIUnicodeStringRef string) { return strings_.erase(string); }
  std::size_t heldBy(const PluginModule* owner) const {
    std::size_t count = 0;
    for (const auto& [handle, string] : strings_) count += string.owner == owner ? 1 : 0;
    return count;
  }

 private:
  HandleTable<AIUnicodeStringRef, HostString> strings_;
};

}  // namespace qv::host
