// Host-side access to the resources a plug-in module carries in its .qvrsrc ELF section:
// reading them from the module file (before the module is loaded), the resource table, the
// typed decoders (string lists, cursors) and the PIPL check that decides whether a module is a
// plug-in we can load. Plain C++; depends on no other project header.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv::host {

struct ResourceKey {
  std::uint32_t type;
  std::int32_t id;
  auto operator<=>(const ResourceKey&) const = default;
};

// 'PIPL' -> 0x5049504C: the first character lands in the most significant byte.
constexpr std::uint32_t fourCC(const char (&s)[5]) {
  return (std::uint32_t{static_cast<unsigned char>(s[0])} << 24) |
         (std::uint32_t{static_cast<unsigned char>(s[1])} << 16) |
         (std::uint32_t{static_cast<unsigned char>(s[2])} << 8) |
         std::uint32_t{static_cast<unsigned char>(s[3])};
}

// 0x5049504C -> "PIPL". A code with any byte outside printable ASCII comes back as hex
// ("0x0000000A") so that it can be put into a one-line message as it is.
std::string fourCCText(std::uint32_t code);

// The resources of one module, keyed by (type, id). Owns copies of the bytes.
class ResourceTable {
 public:
  // Null when there is no such resource. The pointer stays valid until the entry is replaced or
  // erased.
  const std::vector<std::uint8_t>* find(std::uint32_t type, std::int32_t id) const;
  // Adds the resource or replaces the one with the same type and id.
  void set(std::uint32_t type, std::int32_t id, std::vector<std::uint8_t> bytes);
  void erase(std::uint32_t type, std::int32_t id);

  // The STR# resource `id` decoded; nullopt when it is absent or malformed.
  std::optional<std::vector<std::string>> stringList(std::int32_t id) const;
  // Stores `strings` as STR# resource `id`. Throws std::invalid_argument for a string holding a
  // NUL, which the encoding cannot represent.
  void setStringList(std::int32_t id, const std::vector<std::string>& strings);

  std::size_t size() const;
  // Every key, in ascending order.
  std::vector<ResourceKey> keys() const;

 private:
  std::map<ResourceKey, std::vector<std::uint8_t>> entries_;
};

// A CURS resource: width * height pixels, row-major, 0 transparent, 1 black, 2 white.
struct Cursor {
  std::uint16_t width;
  std::uint16_t height;
  std::uint16_t hotX;
  std::uint16_t hotY;
  std::vector<std::uint8_t> pixels;
};
// nullopt unless the data is exactly one well-formed cursor: non-zero size, hot spot inside it,
// every pixel 0, 1 or 2.
std::optional<Cursor> decodeCursor(const std::vector<std::uint8_t>& bytes);

// Result of reading resources: either a table or a one-line human-readable error.
struct ResourceLoad {
  std::optional<ResourceTable> table;
  std::string error;
};

// Reads the .qvrsrc section of an ELF64 little-endian shared object without loading it. Every
// offset in the file is checked, so a truncated or hostile file gives an error rather than a
// crash; files over 256 MiB are refused. Errors include "cannot read file: <reason>", "not an ELF
// shared object", "no resource section" and "resource section is malformed: <reason>". Never
// throws.
ResourceLoad readModuleResources(const std::filesystem::path& file);

// Decodes a resource blob (the contents of a .qvrsrc section). Bytes after the last entry's data
// are allowed (section padding). Never throws.
ResourceLoad parseResourceBlob(std::span<const std::uint8_t> blob);

// Encodes `table` in the blob layout parseResourceBlob reads, entries in key order.
std::vector<std::uint8_t> encodeResourceBlob(const ResourceTable& table);

// What the PIPL 16000 of a module says about it.
struct PluginProperties {
  std::string kind;
  std::int32_t interfaceVersion;
  std::string entryPoint;
  std::string name;
};
struct PiplResult {
  std::optional<PluginProperties> properties;
  std::string error;
};
// Checks the PIPL 16000 and extracts its properties. Only the one layout we accept passes: a
// leading 1, list version 0, four properties of vendor 'ADBE' and property ID 0 with the keys
// kind, ivrs, wx86 and pinm, kind 'SPEA', interface version 2, NUL-terminated entry point and
// non-empty NUL-terminated name, every length a multiple of 4 inside the data and no bytes left
// over. The error names the first problem found, e.g. "PIPL kind is 'SPEX', expected 'SPEA'".
PiplResult readPluginProperties(const ResourceTable& table);

inline constexpr std::uint32_t kResourceTypePipl = fourCC("PIPL");
inline constexpr std::uint32_t kResourceTypeStringList = fourCC("STR#");
inline constexpr std::uint32_t kResourceTypeIcon = fourCC("PNGI");
inline constexpr std::uint32_t kResourceTypeCursor = fourCC("CURS");
inline constexpr std::uint32_t kResourceTypeDialog = fourCC("DLOG");
inline constexpr std::int32_t kPiplResourceId = 16000;

}  // namespace qv::host
