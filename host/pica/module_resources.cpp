// Reads the .qvrsrc resource section out of a module file with plain file I/O, decodes the
// resource blob and the typed resources in it, and checks the PIPL. Touches nothing but the file
// it is asked to read; every offset and size taken from the file is bounds-checked first.
#include "host/pica/module_resources.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <new>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace qv::host {
namespace {

// The ELF structures are read by copying file bytes over <elf.h> structs, which is only right on
// a little-endian host; blob contents are decoded byte by byte.
static_assert(std::endian::native == std::endian::little, "ELF headers are read in host order");

constexpr std::uint64_t kMaxModuleFileSize = 256ull * 1024 * 1024;
constexpr std::uint8_t kBlobMagic[4] = {'Q', 'V', 'R', 'S'};
constexpr std::uint32_t kBlobVersion = 1;
constexpr std::size_t kBlobHeaderSize = 12;
constexpr std::size_t kBlobEntrySize = 16;
constexpr char kSectionName[] = ".qvrsrc";

// True when [offset, offset + size) lies inside [0, total), without overflowing.
constexpr bool fitsIn(std::uint64_t offset, std::uint64_t size, std::uint64_t total) {
  return offset <= total && size <= total - offset;
}

// Sequential little-endian decoding over a span; every read says whether the bytes were there.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }

  bool u16(std::uint16_t& out) {
    if (remaining() < 2) return false;
    out = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool u32(std::uint32_t& out) {
    if (remaining() < 4) return false;
    out = std::uint32_t{bytes_[pos_]} | (std::uint32_t{bytes_[pos_ + 1]} << 8) |
          (std::uint32_t{bytes_[pos_ + 2]} << 16) | (std::uint32_t{bytes_[pos_ + 3]} << 24);
    pos_ += 4;
    return true;
  }
  bool i32(std::int32_t& out) {
    std::uint32_t raw;
    if (!u32(raw)) return false;
    out = static_cast<std::int32_t>(raw);
    return true;
  }
  std::span<const std::uint8_t> take(std::size_t n) {
    auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The text before the first NUL of `bytes`, or nullopt when there is no NUL.
std::optional<std::string> cString(std::span<const std::uint8_t> bytes) {
  auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  if (nul == bytes.end()) return std::nullopt;
  return std::string(bytes.begin(), nul);
}

std::string quoted(std::uint32_t code) {
  std::string text = fourCCText(code);
  text.insert(text.begin(), '\'');
  text.push_back('\'');
  return text;
}

ResourceLoad loadError(std::string message) {
  return ResourceLoad{std::nullopt, std::move(message)};
}

ResourceLoad blobError(const std::string& why) {
  return loadError("resource section is malformed: " + why);
}

std::string entryName(std::uint32_t index, std::uint32_t type, std::int32_t id) {
  return "entry " + std::to_string(index) + " (" + fourCCText(type) + " " + std::to_string(id) +
         ")";
}

std::string systemMessage(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// ---- ELF file access ----

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads exactly `size` bytes at `offset` into `out`; the caller has checked the range against the
// file size. Returns an error message, empty on success.
std::string readAt(int fd, std::uint64_t offset, std::size_t size, std::vector<std::uint8_t>& out) {
  out.resize(size);
  std::size_t done = 0;
  while (done < size) {
    ssize_t got = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      return "cannot read file: " + systemMessage(errno);
    }
    if (got == 0) return "cannot read file: it became shorter while being read";
    done += static_cast<std::size_t>(got);
  }
  return {};
}

template <typename T>
T fromBytes(const std::uint8_t* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

ResourceLoad readModuleResourcesUnchecked(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return loadError("cannot read file: " + systemMessage(errno));

  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return loadError("cannot read file: " + systemMessage(errno));
  if (S_ISDIR(info.st_mode)) return loadError("cannot read file: " + systemMessage(EISDIR));
  if (!S_ISREG(info.st_mode)) return loadError("cannot read file: not a regular file");
  const auto fileSize = static_cast<std::uint64_t>(info.st_size);
  if (fileSize > kMaxModuleFileSize) return loadError("cannot read file: larger than 256 MiB");

  std::vector<std::uint8_t> bytes;
  if (fileSize < EI_NIDENT) return loadError("not an ELF shared object");
  if (auto error = readAt(fd.get(), 0, EI_NIDENT, bytes); !error.empty()) return loadError(error);
  if (std::memcmp(bytes.data(), ELFMAG, SELFMAG) != 0) return loadError("not an ELF shared object");
  if (bytes[EI_CLASS] != ELFCLASS64 || bytes[EI_DATA] != ELFDATA2LSB) {
    return loadError("not an ELF64 little-endian shared object");
  }
  if (fileSize < sizeof(Elf64_Ehdr)) return loadError("ELF file is malformed: header is truncated");
  if (auto error = readAt(fd.get(), 0, sizeof(Elf64_Ehdr), bytes); !error.empty()) {
    return loadError(error);
  }
  const auto header = fromBytes<Elf64_Ehdr>(bytes.data());
  if (header.e_type != ET_DYN) return loadError("not an ELF shared object");
  if (header.e_shoff == 0) return loadError("no resource section");
  if (header.e_shentsize != sizeof(Elf64_Shdr)) {
    return loadError("ELF file is malformed: section header size is " +
                     std::to_string(header.e_shentsize) + ", expected " +
                     std::to_string(sizeof(Elf64_Shdr)));
  }

  // With many sections the real count and name-table index live in section header 0.
  std::uint64_t sectionCount = header.e_shnum;
  std::uint64_t namesIndex = header.e_shstrndx;
  if (sectionCount == 0 || namesIndex == SHN_XINDEX) {
    if (!fitsIn(header.e_shoff, sizeof(Elf64_Shdr), fileSize)) {
      return loadError("ELF file is malformed: section headers lie outside the file");
    }
    if (auto error = readAt(fd.get(), header.e_shoff, sizeof(Elf64_Shdr), bytes); !error.empty()) {
      return loadError(error);
    }
    const auto first = fromBytes<Elf64_Shdr>(bytes.data());
    if (sectionCount == 0) sectionCount = first.sh_size;
    if (namesIndex == SHN_XINDEX) namesIndex = first.sh_link;
  }
  if (sectionCount > fileSize / sizeof(Elf64_Shdr) ||
      !fitsIn(header.e_shoff, sectionCount * sizeof(Elf64_Shdr), fileSize)) {
    return loadError("ELF file is malformed: section headers lie outside the file");
  }
  if (namesIndex == SHN_UNDEF) return loadError("no resource section");
  if (namesIndex >= sectionCount) {
    return loadError("ELF file is malformed: section-name table index " +
                     std::to_string(namesIndex) + " is out of range");
  }

  std::vector<Elf64_Shdr> sections(static_cast<std::size_t>(sectionCount));
  if (auto error = readAt(fd.get(), header.e_shoff, sections.size() * sizeof(Elf64_Shdr), bytes);
      !error.empty()) {
    return loadError(error);
  }
  std::memcpy(sections.data(), bytes.data(), bytes.size());

  const Elf64_Shdr& namesSection = sections[static_cast<std::size_t>(namesIndex)];
  if (namesSection.sh_type != SHT_STRTAB ||
      !fitsIn(namesSection.sh_offset, namesSection.sh_size, fileSize)) {
    return loadError("ELF file is malformed: bad section-name table");
  }
  std::vector<std::uint8_t> names;
  if (auto error = readAt(fd.get(), namesSection.sh_offset,
                          static_cast<std::size_t>(namesSection.sh_size), names);
      !error.empty()) {
    return loadError(error);
  }

  const Elf64_Shdr* resourceSection = nullptr;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const std::uint32_t nameOffset = sections[i].sh_name;
    std::optional<std::string> name;
    if (nameOffset < names.size()) name = cString(std::span(names).subspan(nameOffset));
    if (!name) {
      return loadError("ELF file is malformed: section " + std::to_string(i) +
                       " has a name outside the section-name table");
    }
    if (*name != kSectionName) continue;
    if (resourceSection != nullptr) return blobError("the file has more than one");
    resourceSection = &sections[i];
  }
  if (resourceSection == nullptr) return loadError("no resource section");
  if (resourceSection->sh_type == SHT_NOBITS) return blobError("it has no contents in the file");
  if (!fitsIn(resourceSection->sh_offset, resourceSection->sh_size, fileSize)) {
    return blobError("it lies outside the file");
  }
  if (auto error = readAt(fd.get(), resourceSection->sh_offset,
                          static_cast<std::size_t>(resourceSection->sh_size), bytes);
      !error.empty()) {
    return loadError(error);
  }
  return parseResourceBlob(bytes);
}

ResourceLoad parseResourceBlobUnchecked(std::span<const std::uint8_t> blob) {
  ByteReader reader(blob);
  std::uint32_t magic = 0, version = 0, count = 0;
  if (!reader.u32(magic) || !reader.u32(version) || !reader.u32(count)) {
    return blobError("header is truncated (" + std::to_string(blob.size()) + " bytes)");
  }
  if (std::memcmp(blob.data(), kBlobMagic, sizeof kBlobMagic) != 0) return blobError("bad magic");
  if (version != kBlobVersion) {
    return blobError("format version " + std::to_string(version) + ", expected 1");
  }
  if (count > reader.remaining() / kBlobEntrySize) {
    return blobError("directory of " + std::to_string(count) + " entries does not fit in " +
                     std::to_string(blob.size()) + " bytes");
  }
  const std::uint64_t directoryEnd = kBlobHeaderSize + std::uint64_t{count} * kBlobEntrySize;

  struct Entry {
    std::uint32_t index, type;
    std::int32_t id;
    std::uint32_t offset, size;
  };
  std::vector<Entry> entries;
  entries.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    Entry e{i, 0, 0, 0, 0};
    reader.u32(e.type);  // Cannot fail: the directory size was checked above.
    reader.i32(e.id);
    reader.u32(e.offset);
    reader.u32(e.size);
    if (!fitsIn(e.offset, e.size, blob.size())) {
      return blobError(entryName(i, e.type, e.id) + " lies outside the data");
    }
    if (e.offset < directoryEnd) {
      return blobError(entryName(i, e.type, e.id) + " overlaps the directory");
    }
    if (e.offset % 4 != 0) {
      return blobError(entryName(i, e.type, e.id) + " is not 4-byte aligned");
    }
    entries.push_back(e);
  }

  std::vector<Entry> byOffset = entries;
  std::sort(byOffset.begin(), byOffset.end(),
            [](const Entry& a, const Entry& b) { return a.offset < b.offset; });
  const Entry* previous = nullptr;
  for (const Entry& e : byOffset) {
    if (e.size == 0) continue;
    if (previous != nullptr && std::uint64_t{previous->offset} + previous->size > e.offset) {
      return blobError(entryName(e.index, e.type, e.id) + " overlaps entry " +
                       std::to_string(previous->index));
    }
    previous = &e;
  }

  ResourceTable table;
  for (const Entry& e : entries) {
    if (table.find(e.type, e.id) != nullptr) {
      return blobError(entryName(e.index, e.type, e.id) + " is a duplicate");
    }
    auto data = blob.subspan(e.offset, e.size);
    table.set(e.type, e.id, std::vector<std::uint8_t>(data.begin(), data.end()));
  }
  return ResourceLoad{std::move(table), {}};
}

// ---- PIPL ----

constexpr std::uint32_t kVendor = fourCC("ADBE");
constexpr std::uint32_t kKeyKind = fourCC("kind");
constexpr std::uint32_t kKeyInterfaceVersion = fourCC("ivrs");
constexpr std::uint32_t kKeyEntryPoint = fourCC("wx86");
constexpr std::uint32_t kKeyName = fourCC("pinm");
constexpr std::uint32_t kExpectedKind = fourCC("SPEA");
constexpr std::int32_t kExpectedInterfaceVersion = 2;
constexpr std::int32_t kExpectedPropertyCount = 4;

PiplResult piplError(std::string message) { return PiplResult{std::nullopt, std::move(message)}; }

}  // namespace

std::string fourCCText(std::uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const auto c = static_cast<unsigned char>(code >> shift);
    if (c < 0x20 || c > 0x7E) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      std::string hex = "0x";
      for (int nibble = 28; nibble >= 0; nibble -= 4) hex.push_back(kHex[(code >> nibble) & 0xF]);
      return hex;
    }
    text.push_back(static_cast<char>(c));
  }
  return text;
}

// ---- ResourceTable ----

const std::vector<std::uint8_t>* ResourceTable::find(std::uint32_t type, std::int32_t id) const {
  auto it = entries_.find(ResourceKey{type, id});
  return it == entries_.end() ? nullptr : &it->second;
}

void ResourceTable::set(std::uint32_t type, std::int32_t id, std::vector<std::uint8_t> bytes) {
  entries_.insert_or_assign(ResourceKey{type, id}, std::move(bytes));
}

void ResourceTable::erase(std::uint32_t type, std::int32_t id) {
  entries_.erase(ResourceKey{type, id});
}

std::optional<std::vector<std::string>> ResourceTable::stringList(std::int32_t id) const {
  const auto* bytes = find(kResourceTypeStringList, id);
  if (bytes == nullptr) return std::nullopt;
  ByteReader reader(*bytes);
  std::uint32_t count = 0;
  if (!reader.u32(count) || count > reader.remaining()) return std::nullopt;
  std::vector<std::string> strings;
  strings.reserve(count);
  std::span<const std::uint8_t> rest(bytes->data() + reader.position(), reader.remaining());
  for (std::uint32_t i = 0; i < count; ++i) {
    auto text = cString(rest);
    if (!text) return std::nullopt;
    rest = rest.subspan(text->size() + 1);
    strings.push_back(std::move(*text));
  }
  if (!rest.empty()) return std::nullopt;
  return strings;
}

void ResourceTable::setStringList(std::int32_t id, const std::vector<std::string>& strings) {
  std::vector<std::uint8_t> bytes;
  putU32(bytes, static_cast<std::uint32_t>(strings.size()));
  for (const auto& s : strings) {
    if (s.find('\0') != std::string::npos) {
      throw std::invalid_argument("a STR# string cannot contain a NUL");
    }
    bytes.insert(bytes.end(), s.begin(), s.end());
    bytes.push_back(0);
  }
  set(kResourceTypeStringList, id, std::move(bytes));
}

std::size_t ResourceTable::size() const { return entries_.size(); }

std::vector<ResourceKey> ResourceTable::keys() const {
  std::vector<ResourceKey> result;
  result.reserve(entries_.size());
  for (const auto& entry : entries_) result.push_back(entry.first);
  return result;
}

// ---- Typed decoders ----

std::optional<Cursor> decodeCursor(const std::vector<std::uint8_t>& bytes) {
  ByteReader reader(bytes);
  Cursor cursor{};
  if (!reader.u16(cursor.width) || !reader.u16(cursor.height) || !reader.u16(cursor.hotX) ||
      !reader.u16(cursor.hotY)) {
    return std::nullopt;
  }
  if (cursor.width == 0 || cursor.height == 0) return std::nullopt;
  if (cursor.hotX >= cursor.width || cursor.hotY >= cursor.height) return std::nullopt;
  const std::size_t pixelCount = std::size_t{cursor.width} * cursor.height;
  if (reader.remaining() != pixelCount) return std::nullopt;
  auto pixels = reader.take(pixelCount);
  if (std::any_of(pixels.begin(), pixels.end(), [](std::uint8_t p) { return p > 2; })) {
    return std::nullopt;
  }
  cursor.pixels.assign(pixels.begin(), pixels.end());
  return cursor;
}

// ---- Blob and module file ----

ResourceLoad readModuleResources(const std::filesystem::path& file) {
  try {
    return readModuleResourcesUnchecked(file);
  } catch (const std::bad_alloc&) {
    return loadError("cannot read file: out of memory");
  } catch (const std::exception& e) {
    return loadError(std::string("cannot read file: ") + e.what());
  }
}

ResourceLoad parseResourceBlob(std::span<const std::uint8_t> blob) {
  try {
    return parseResourceBlobUnchecked(blob);
  } catch (const std::bad_alloc&) {
    return blobError("out of memory");
  }
}

std::vector<std::uint8_t> encodeResourceBlob(const ResourceTable& table) {
  const auto keys = table.keys();
  std::vector<std::uint8_t> blob(std::begin(kBlobMagic), std::end(kBlobMagic));
  putU32(blob, kBlobVersion);
  putU32(blob, static_cast<std::uint32_t>(keys.size()));
  std::uint64_t offset = kBlobHeaderSize + keys.size() * kBlobEntrySize;
  for (const auto& key : keys) {
    const auto size = table.find(key.type, key.id)->size();
    if (offset + size > UINT32_MAX) throw std::length_error("resource blob exceeds 4 GiB");
    putU32(blob, key.type);
    putU32(blob, static_cast<std::uint32_t>(key.id));
    putU32(blob, static_cast<std::uint32_t>(offset));
    putU32(blob, static_cast<std::uint32_t>(size));
    offset = (offset + size + 3) / 4 * 4;
  }
  for (const auto& key : keys) {
    const auto* data = table.find(key.type, key.id);
    blob.insert(blob.end(), data->begin(), data->end());
    blob.resize((blob.size() + 3) / 4 * 4, 0);
  }
  return blob;
}

// ---- PIPL ----

PiplResult readPluginProperties(const ResourceTable& table) {
  const auto* bytes = table.find(kResourceTypePipl, kPiplResourceId);
  if (bytes == nullptr) return piplError("no PIPL " + std::to_string(kPiplResourceId));

  ByteReader reader(*bytes);
  std::uint16_t leading = 0;
  std::int32_t listVersion = 0, count = 0;
  if (!reader.u16(leading) || !reader.i32(listVersion) || !reader.i32(count)) {
    return piplError("PIPL is truncated (" + std::to_string(bytes->size()) + " bytes)");
  }
  if (leading != 1)
    return piplError("PIPL starts with " + std::to_string(leading) + ", expected 1");
  if (listVersion != 0) {
    return piplError("PIPL list version is " + std::to_string(listVersion) + ", expected 0");
  }
  if (count != kExpectedPropertyCount) {
    return piplError("PIPL property count is " + std::to_string(count) + ", expected 4");
  }

  std::map<std::uint32_t, std::span<const std::uint8_t>> values;
  for (std::int32_t i = 0; i < count; ++i) {
    std::uint32_t vendor = 0, key = 0;
    std::int32_t propertyId = 0, length = 0;
    if (!reader.u32(vendor) || !reader.u32(key) || !reader.i32(propertyId) || !reader.i32(length)) {
      return piplError("PIPL property " + std::to_string(i) + " is truncated");
    }
    const std::string what = "PIPL property " + quoted(key);
    if (vendor != kVendor) {
      return piplError(what + " has vendor " + quoted(vendor) + ", expected 'ADBE'");
    }
    if (propertyId != 0) {
      return piplError(what + " has property ID " + std::to_string(propertyId) + ", expected 0");
    }
    if (length < 0) return piplError(what + " has negative length " + std::to_string(length));
    if (length % 4 != 0) {
      return piplError(what + " length " + std::to_string(length) + " is not a multiple of 4");
    }
    if (static_cast<std::size_t>(length) > reader.remaining()) {
      return piplError(what + " runs past the end of the data");
    }
    auto value = reader.take(static_cast<std::size_t>(length));
    if (!values.emplace(key, value).second) return piplError(what + " appears more than once");
  }
  if (reader.remaining() != 0) {
    return piplError("PIPL has " + std::to_string(reader.remaining()) +
                     " bytes after its last property");
  }
  for (std::uint32_t key : {kKeyKind, kKeyInterfaceVersion, kKeyEntryPoint, kKeyName}) {
    if (!values.contains(key)) return piplError("PIPL has no " + quoted(key) + " property");
  }

  PluginProperties properties;
  ByteReader kindReader(values[kKeyKind]);
  std::uint32_t kind = 0;
  if (!kindReader.u32(kind) || kindReader.remaining() != 0) {
    return piplError("PIPL kind has length " + std::to_string(values[kKeyKind].size()) +
                     ", expected 4");
  }
  if (kind != kExpectedKind) {
    return piplError("PIPL kind is " + quoted(kind) + ", expected 'SPEA'");
  }
  properties.kind = fourCCText(kind);

  ByteReader versionReader(values[kKeyInterfaceVersion]);
  if (!versionReader.i32(properties.interfaceVersion) || versionReader.remaining() != 0) {
    return piplError("PIPL interface version has length " +
                     std::to_string(values[kKeyInterfaceVersion].size()) + ", expected 4");
  }
  if (properties.interfaceVersion != kExpectedInterfaceVersion) {
    return piplError("PIPL interface version is " + std::to_string(properties.interfaceVersion) +
                     ", expected 2");
  }

  auto entryPoint = cString(values[kKeyEntryPoint]);
  if (!entryPoint) return piplError("PIPL entry point is not NUL-terminated");
  if (entryPoint->empty()) return piplError("PIPL entry point is empty");
  properties.entryPoint = std::move(*entryPoint);

  auto name = cString(values[kKeyName]);
  if (!name) return piplError("PIPL plug-in name is not NUL-terminated");
  if (name->empty()) return piplError("PIPL plug-in name is empty");
  properties.name = std::move(*name);

  return PiplResult{std::move(properties), {}};
}

}  // namespace qv::host
