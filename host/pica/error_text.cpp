// Error codes as text.
#include "error_text.h"

#include <cctype>
#include <cstdio>

namespace qv::host {

std::string describeError(SPErr error) {
  const auto code = static_cast<uint32_t>(error);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto byte = static_cast<unsigned char>((code >> shift) & 0xFF);
    if (!std::isprint(byte)) return std::to_string(error);
    chars += static_cast<char>(byte);
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", code);
  return "'" + chars + "' (" + hex + ")";
}

}  // namespace qv::host
