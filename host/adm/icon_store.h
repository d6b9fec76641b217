// Icons loaded from module resources. Icons belong to the host; the image type says whether
// the bytes are a PNG the host can use.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ADMTypes.h"
#include "handle_table.h"

namespace qv::host {

struct PluginModule;

struct Icon {
  const PluginModule* owner = nullptr;
  int32_t resourceID = 0;
  int32_t type = kADMUnknownIconType;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> bytes;
};

// Reads type and size from PNG bytes; anything else is an unknown image.
Icon describeIcon(std::span<const uint8_t> bytes);

using IconStore = HandleTable<ADMIconRef, Icon>;

}  // namespace qv::host
