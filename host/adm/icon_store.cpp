// PNG recognition for icons: the signature and the IHDR chunk's width and height.
#include "icon_store.h"

#include <algorithm>
#include <array>

namespace qv::host {

namespace {
constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

int32_t bigEndian32(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<int32_t>((uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
                              (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]});
}
}  // namespace

Icon describeIcon(std::span<const uint8_t> bytes) {
  Icon icon;
  icon.bytes.assign(bytes.begin(), bytes.end());
  // Signature, then the IHDR chunk: length, "IHDR", width, height.
  constexpr std::size_t kHeaderEnd = 8 + 4 + 4 + 8;
  if (bytes.size() < kHeaderEnd ||
      !std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin()) ||
      !std::equal(bytes.begin() + 12, bytes.begin() + 16, "IHDR")) {
    return icon;
  }
  icon.width = bigEndian32(bytes, 16);
  icon.height = bigEndian32(bytes, 20);
  if (icon.width > 0 && icon.height > 0) icon.type = kADMPNGIconType;
  return icon;
}

}  // namespace qv::host
