// Tests of the module resource reader: the resource table and its typed helpers, blob decoding
// (including truncated and hostile blobs), reading the .qvrsrc section out of ELF files built
// byte by byte here, and the PIPL check. Writes only into its own temporary folder.
#include "host/pica/module_resources.h"

#include <elf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

// ---- Little-endian byte building ----

void put16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
Bytes le32(std::uint32_t v) {
  Bytes out;
  put32(out, v);
  return out;
}
void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }
Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The keys of `table` in order, as "TYPE id", for readable comparisons.
std::vector<std::string> keyTexts(const ResourceTable& table) {
  std::vector<std::string> texts;
  for (const auto& key : table.keys()) {
    texts.push_back(fourCCText(key.type) + " " + std::to_string(key.id));
  }
  return texts;
}

// ---- Fixed four-character codes and their text ----

TEST(FourCC, FirstCharacterIsMostSignificant) {
  static_assert(fourCC("PIPL") == 0x5049504Cu);
  EXPECT_EQ(fourCC("STR#"), 0x53545223u);
  EXPECT_EQ(fourCC("\xff\x01\x02\x03"), 0xFF010203u);
}

TEST(FourCC, TextOfCodes) {
  struct Case {
    std::uint32_t code;
    const char* text;
  } cases[] = {
      {0x5049504C, "PIPL"},       {fourCC("STR#"), "STR#"},   {fourCC("a b~"), "a b~"},
      {0x0000000A, "0x0000000A"},  // Unprintable bytes: shown as hex, never raw.
      {0x41424300, "0x41424300"}, {0x7F414141, "0x7F414141"},
  };
  for (const auto& c : cases) EXPECT_EQ(fourCCText(c.code), c.text) << std::hex << c.code;
}

// ---- ResourceTable ----

TEST(ResourceTable, SetFindReplaceErase) {
  ResourceTable table;
  EXPECT_EQ(table.size(), 0u);
  EXPECT_EQ(table.find(kResourceTypeIcon, 1), nullptr);

  table.set(kResourceTypeIcon, 1, {1, 2, 3});
  table.set(kResourceTypeIcon, 2, {4});
  table.set(kResourceTypeCursor, 1, {5, 6});
  ASSERT_EQ(table.size(), 3u);
  ASSERT_NE(table.find(kResourceTypeIcon, 1), nullptr);
  EXPECT_EQ(*table.find(kResourceTypeIcon, 1), (Bytes{1, 2, 3}));
  EXPECT_EQ(*table.find(kResourceTypeCursor, 1), (Bytes{5, 6}));  // Same id, other type.
  EXPECT_EQ(table.find(kResourceTypeIcon, 3), nullptr);

  table.set(kResourceTypeIcon, 1, {9});
  EXPECT_EQ(table.size(), 3u);
  EXPECT_EQ(*table.find(kResourceTypeIcon, 1), (Bytes{9}));

  table.erase(kResourceTypeIcon, 1);
  table.erase(kResourceTypeIcon, 42);  // Absent: no effect.
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(table.find(kResourceTypeIcon, 1), nullptr);
  EXPECT_EQ(keyTexts(table), (std::vector<std::string>{"CURS 1", "PNGI 2"}));
}

TEST(ResourceTable, StringListRoundTrip) {
  const std::vector<std::vector<std::string>> lists = {
      {"Tessaly1 Tool"},
      {},
      {"", "two", ""},
      {"caf\xc3\xa9", "\xe2\x86\x92 arrow"},
  };
  for (const auto& strings : lists) {
    ResourceTable table;
    table.setStringList(16100, strings);
    EXPECT_EQ(table.stringList(16100), strings);
  }
}

TEST(ResourceTable, StringListEncoding) {
  ResourceTable table;
  table.setStringList(7, {"ab", ""});
  Bytes expected = le32(2);
  append(expected, {'a', 'b', 0, 0});
  ASSERT_NE(table.find(kResourceTypeStringList, 7), nullptr);
  EXPECT_EQ(*table.find(kResourceTypeStringList, 7), expected);
}

TEST(ResourceTable, MalformedStringListsAreRejected) {
  struct Case {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"truncated count", {1, 0, 0}},
      {"count larger than strings",
       [] {
         Bytes b = le32(3);
         append(b, {'a', 0, 'b', 0});
         return b;
       }()},
      {"huge count",
       [] {
         Bytes b = le32(0xFFFFFFFF);
         append(b, {'a', 0});
         return b;
       }()},
      {"last string without NUL",
       [] {
         Bytes b = le32(1);
         append(b, {'a', 'b'});
         return b;
       }()},
      {"bytes after the last string",
       [] {
         Bytes b = le32(1);
         append(b, {'a', 0, 'x'});
         return b;
       }()},
  };
  for (const auto& c : cases) {
    ResourceTable table;
    table.set(kResourceTypeStringList, 1, c.bytes);
    EXPECT_EQ(table.stringList(1), std::nullopt) << c.name;
  }
  EXPECT_EQ(ResourceTable{}.stringList(1), std::nullopt) << "absent";
}

TEST(ResourceTable, StringWithNulCannotBeStored) {
  ResourceTable table;
  EXPECT_THROW(table.setStringList(1, {std::string("a\0b", 3)}), std::invalid_argument);
}

// ---- Cursors ----

Bytes cursorBytes(std::uint16_t w, std::uint16_t h, std::uint16_t x, std::uint16_t y,
                  const Bytes& pixels) {
  Bytes b;
  for (auto v : {w, h, x, y}) put16(b, v);
  append(b, pixels);
  return b;
}

TEST(Cursor, DecodesWellFormedCursor) {
  const Bytes pixels = {0, 1, 2, 2, 1, 0};
  auto cursor = decodeCursor(cursorBytes(3, 2, 2, 1, pixels));
  ASSERT_TRUE(cursor.has_value());
  EXPECT_EQ(cursor->width, 3);
  EXPECT_EQ(cursor->height, 2);
  EXPECT_EQ(cursor->hotX, 2);
  EXPECT_EQ(cursor->hotY, 1);
  EXPECT_EQ(cursor->pixels, pixels);
}

TEST(Cursor, RejectsMalformedCursors) {
  struct Case {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"truncated header", {2, 0, 2, 0, 0, 0}},
      {"zero width", cursorBytes(0, 2, 0, 0, {})},
      {"zero height", cursorBytes(2, 0, 0, 0, {})},
      {"hot spot right of the cursor", cursorBytes(2, 2, 2, 0, {0, 0, 0, 0})},
      {"hot spot below the cursor", cursorBytes(2, 2, 0, 2, {0, 0, 0, 0})},
      {"too few pixels", cursorBytes(2, 2, 0, 0, {0, 0, 0})},
      {"too many pixels", cursorBytes(2, 2, 0, 0, {0, 0, 0, 0, 0})},
      {"pixel value 3", cursorBytes(2, 2, 0, 0, {0, 1, 3, 2})},
      {"huge size, little data", cursorBytes(0xFFFF, 0xFFFF, 0, 0, {0, 0})},
  };
  for (const auto& c : cases) EXPECT_EQ(decodeCursor(c.bytes), std::nullopt) << c.name;
}

// ---- Resource blobs ----

struct DirectoryEntry {
  std::uint32_t type;
  std::int32_t id;
  std::uint32_t offset;
  std::uint32_t size;
};

// A blob laid out by hand, so that its directory can be made inconsistent with its data.
Bytes handBlob(const std::vector<DirectoryEntry>& entries, const Bytes& data,
               std::optional<std::uint32_t> count = std::nullopt) {
  Bytes b = bytesOf("QVRS");
  put32(b, 1);
  put32(b, count.value_or(static_cast<std::uint32_t>(entries.size())));
  for (const auto& e : entries) {
    put32(b, e.type);
    put32(b, static_cast<std::uint32_t>(e.id));
    put32(b, e.offset);
    put32(b, e.size);
  }
  append(b, data);
  return b;
}

// Two entries after a 44-byte header and directory: "abc" (padded to 4) and "wxyz".
const Bytes& referenceBlob() {
  static const Bytes blob = handBlob({{fourCC("PNGI"), 16051, 44, 3}, {fourCC("DLOG"), -5, 48, 4}},
                                     {'a', 'b', 'c', 0, 'w', 'x', 'y', 'z'});
  return blob;
}

TEST(ResourceBlob, DecodesHandLaidBlob) {
  auto load = parseResourceBlob(referenceBlob());
  ASSERT_TRUE(load.table.has_value()) << load.error;
  EXPECT_TRUE(load.error.empty());
  EXPECT_EQ(load.table->size(), 2u);
  ASSERT_NE(load.table->find(fourCC("PNGI"), 16051), nullptr);
  EXPECT_EQ(*load.table->find(fourCC("PNGI"), 16051), bytesOf("abc"));
  ASSERT_NE(load.table->find(fourCC("DLOG"), -5), nullptr);
  EXPECT_EQ(*load.table->find(fourCC("DLOG"), -5), bytesOf("wxyz"));
}

TEST(ResourceBlob, EncoderWritesTheDocumentedLayout) {
  ResourceTable table;
  table.set(fourCC("PNGI"), 16051, bytesOf("abc"));
  table.set(fourCC("DLOG"), -5, bytesOf("wxyz"));
  // Entries come out in key order: DLOG sorts before PNGI.
  const Bytes expected = handBlob({{fourCC("DLOG"), -5, 44, 4}, {fourCC("PNGI"), 16051, 48, 3}},
                                  {'w', 'x', 'y', 'z', 'a', 'b', 'c', 0});
  EXPECT_EQ(encodeResourceBlob(table), expected);
}

TEST(ResourceBlob, RoundTripThroughEncoder) {
  ResourceTable table;
  table.setStringList(16100, {"Tessaly1 Tool", "second"});
  table.set(kResourceTypeIcon, 16051, Bytes(301, 0xAB));
  table.set(kResourceTypeDialog, 16201, bytesOf(R"({"id":16201})"));
  table.set(kResourceTypeCursor, 16001, {});  // Empty data is allowed.

  const Bytes blob = encodeResourceBlob(table);
  EXPECT_EQ(blob.size() % 4, 0u);
  auto load = parseResourceBlob(blob);
  ASSERT_TRUE(load.table.has_value()) << load.error;
  EXPECT_EQ(keyTexts(*load.table), keyTexts(table));
  for (const auto& key : table.keys()) {
    ASSERT_NE(load.table->find(key.type, key.id), nullptr);
    EXPECT_EQ(*load.table->find(key.type, key.id), *table.find(key.type, key.id));
  }
  EXPECT_EQ(load.table->stringList(16100), (std::vector<std::string>{"Tessaly1 Tool", "second"}));
}

TEST(ResourceBlob, PaddingAfterTheDataIsAccepted) {
  Bytes blob = referenceBlob();
  blob.resize(blob.size() + 16, 0);
  auto load = parseResourceBlob(blob);
  ASSERT_TRUE(load.table.has_value()) << load.error;
  EXPECT_EQ(load.table->size(), 2u);
}

TEST(ResourceBlob, MalformedBlobsGiveErrors) {
  const std::uint32_t icon = fourCC("PNGI");
  const Bytes eight(8, 'x');
  struct Case {
    const char* name;
    Bytes blob;
    const char* reason;
  } cases[] = {
      {"empty", {}, "header is truncated"},
      {"header cut short", Bytes(referenceBlob().begin(), referenceBlob().begin() + 11),
       "header is truncated"},
      {"bad magic",
       [&] {
         Bytes b = referenceBlob();
         b[3] = 'X';
         return b;
       }(),
       "bad magic"},
      {"wrong format version",
       [&] {
         Bytes b = referenceBlob();
         b[4] = 2;
         return b;
       }(),
       "format version 2, expected 1"},
      {"count larger than the data", handBlob({{icon, 1, 28, 4}}, {1, 2, 3, 4}, 2),
       "directory of 2 entries does not fit"},
      {"count near 2^32", handBlob({}, eight, 0xFFFFFFFF), "does not fit"},
      {"entry past the end", handBlob({{icon, 1, 28, 9}}, eight), "lies outside the data"},
      {"entry offset past the end", handBlob({{icon, 1, 400, 0}}, eight), "lies outside the data"},
      {"offset plus size wraps 32 bits", handBlob({{icon, 1, 28, 0xFFFFFFF0}}, eight),
       "lies outside the data"},
      {"entry inside the directory", handBlob({{icon, 1, 12, 4}}, eight), "overlaps the directory"},
      {"misaligned data", handBlob({{icon, 1, 29, 4}}, eight), "is not 4-byte aligned"},
      {"overlapping entries", handBlob({{icon, 1, 44, 8}, {icon, 2, 48, 4}}, eight),
       "entry 1 (PNGI 2) overlaps entry 0"},
      {"overlap listed out of order", handBlob({{icon, 1, 48, 4}, {icon, 2, 44, 8}}, eight),
       "overlaps"},
      {"duplicate key", handBlob({{icon, 7, 44, 4}, {icon, 7, 48, 4}}, eight),
       "entry 1 (PNGI 7) is a duplicate"},
  };
  for (const auto& c : cases) {
    auto load = parseResourceBlob(c.blob);
    EXPECT_FALSE(load.table.has_value()) << c.name;
    EXPECT_TRUE(load.error.starts_with("resource section is malformed: ")) << c.name;
    EXPECT_NE(load.error.find(c.reason), std::string::npos) << c.name << ": " << load.error;
  }
}

TEST(ResourceBlob, EveryTruncationIsAnError) {
  const Bytes& blob = referenceBlob();
  for (std::size_t length = 0; length < blob.size(); ++length) {
    auto load = parseResourceBlob(std::span(blob.data(), length));
    EXPECT_FALSE(load.table.has_value()) << "length " << length;
    EXPECT_FALSE(load.error.empty()) << "length " << length;
  }
}

TEST(ResourceBlob, CorruptedBytesNeverCrash) {
  // Flipping any single byte must give either a table or an error, never both or neither (and,
  // under the sanitizers, no out-of-bounds read).
  for (std::size_t i = 0; i < referenceBlob().size(); ++i) {
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes blob = referenceBlob();
      blob[i] ^= flip;
      auto load = parseResourceBlob(blob);
      EXPECT_NE(load.table.has_value(), !load.error.empty()) << "byte " << i;
    }
  }
}

// ---- Module files ----

// A minimal ELF64 shared object: header, section contents, then the section headers (null,
// the given sections, .shstrtab). Tests corrupt the fields before writing it out.
struct ElfImage {
  Elf64_Ehdr header{};
  Bytes contents;
  std::vector<Elf64_Shdr> sections;

  Bytes serialize() const {
    Bytes out(sizeof header);
    std::memcpy(out.data(), &header, sizeof header);
    append(out, contents);
    const std::size_t start = out.size();
    out.resize(start + sections.size() * sizeof(Elf64_Shdr));
    std::memcpy(out.data() + start, sections.data(), sections.size() * sizeof(Elf64_Shdr));
    return out;
  }
};

struct ElfSection {
  std::string name;
  std::uint32_t type;
  Bytes data;
};

ElfImage makeElf(const std::vector<ElfSection>& sections) {
  ElfImage elf;
  std::memcpy(elf.header.e_ident, ELFMAG, SELFMAG);
  elf.header.e_ident[EI_CLASS] = ELFCLASS64;
  elf.header.e_ident[EI_DATA] = ELFDATA2LSB;
  elf.header.e_ident[EI_VERSION] = EV_CURRENT;
  elf.header.e_type = ET_DYN;
  elf.header.e_machine = EM_X86_64;
  elf.header.e_version = EV_CURRENT;
  elf.header.e_ehsize = sizeof(Elf64_Ehdr);
  elf.header.e_shentsize = sizeof(Elf64_Shdr);

  Bytes names = {0};
  auto addName = [&](const std::string& name) {
    const auto offset = static_cast<std::uint32_t>(names.size());
    append(names, bytesOf(name));
    names.push_back(0);
    return offset;
  };
  elf.sections.push_back(Elf64_Shdr{});
  auto addSection = [&](const std::string& name, std::uint32_t type, const Bytes& data) {
    Elf64_Shdr section{};
    section.sh_name = addName(name);
    section.sh_type = type;
    section.sh_offset = sizeof(Elf64_Ehdr) + elf.contents.size();
    section.sh_size = data.size();
    if (type != SHT_NOBITS) append(elf.contents, data);
    while (elf.contents.size() % 8 != 0) elf.contents.push_back(0);
    elf.sections.push_back(section);
  };
  for (const auto& s : sections) addSection(s.name, s.type, s.data);
  const std::uint32_t namesName = addName(".shstrtab");
  addSection("", SHT_STRTAB, names);
  elf.sections.back().sh_name = namesName;

  elf.header.e_shnum = static_cast<std::uint16_t>(elf.sections.size());
  elf.header.e_shstrndx = static_cast<std::uint16_t>(elf.sections.size() - 1);
  elf.header.e_shoff = sizeof(Elf64_Ehdr) + elf.contents.size();
  return elf;
}

Bytes sampleBlob() {
  ResourceTable table;
  table.setStringList(16100, {"Tessaly1 Tool"});
  table.set(kResourceTypeIcon, 16051, {0x89, 'P', 'N', 'G'});
  return encodeResourceBlob(table);
}

// A module with some ordinary sections around the resource section.
ElfImage sampleModule() {
  return makeElf({{".text", SHT_PROGBITS, Bytes(24, 0x90)},
                  {".qvrsrc", SHT_PROGBITS, sampleBlob()},
                  {".bss", SHT_NOBITS, Bytes(64)}});
}

class ModuleFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv_resources_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  std::filesystem::path write(const std::string& name, const Bytes& bytes) {
    const auto path = dir_ / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good());
    return path;
  }

  std::filesystem::path dir_;
};

TEST_F(ModuleFileTest, ReadsTheResourceSection) {
  auto load = readModuleResources(write("module.so", sampleModule().serialize()));
  ASSERT_TRUE(load.table.has_value()) << load.error;
  EXPECT_EQ(load.table->size(), 2u);
  EXPECT_EQ(load.table->stringList(16100), std::vector<std::string>{"Tessaly1 Tool"});
  ASSERT_NE(load.table->find(kResourceTypeIcon, 16051), nullptr);
  EXPECT_EQ(*load.table->find(kResourceTypeIcon, 16051), (Bytes{0x89, 'P', 'N', 'G'}));
}

TEST_F(ModuleFileTest, FilesThatAreNotModules) {
  struct Case {
    const char* name;
    Bytes bytes;
    const char* error;
  } cases[] = {
      {"empty file", {}, "not an ELF shared object"},
      {"text file", bytesOf("#!/bin/sh\necho this is not a module\n"), "not an ELF shared object"},
      {"bare ELF magic", {0x7F, 'E', 'L', 'F'}, "not an ELF shared object"},
  };
  for (const auto& c : cases) {
    auto load = readModuleResources(write("file", c.bytes));
    EXPECT_FALSE(load.table.has_value()) << c.name;
    EXPECT_EQ(load.error, c.error) << c.name;
  }
}

TEST_F(ModuleFileTest, FilesThatCannotBeRead) {
  auto missing = readModuleResources(dir_ / "absent.so");
  EXPECT_FALSE(missing.table.has_value());
  EXPECT_EQ(missing.error, "cannot read file: No such file or directory");

  auto folder = readModuleResources(dir_);
  EXPECT_FALSE(folder.table.has_value());
  EXPECT_EQ(folder.error, "cannot read file: Is a directory");
}

TEST_F(ModuleFileTest, OversizedFileIsRefusedWithoutReadingIt) {
  const auto path = write("huge.so", sampleModule().serialize());
  std::filesystem::resize_file(path, 257ull * 1024 * 1024);  // Sparse: costs no disk space.
  auto load = readModuleResources(path);
  EXPECT_FALSE(load.table.has_value());
  EXPECT_EQ(load.error, "cannot read file: larger than 256 MiB");
}

TEST(ModuleFile, ElfWithoutResourceSection) {
  // The test program itself is a position-independent executable, i.e. an ELF shared object,
  // and carries no resources.
  auto load = readModuleResources("/proc/self/exe");
  EXPECT_FALSE(load.table.has_value());
  EXPECT_EQ(load.error, "no resource section");
}

TEST_F(ModuleFileTest, DamagedElfFilesGiveErrors) {
  struct Case {
    const char* name;
    std::function<void(ElfImage&)> damage;
    const char* error;
  } cases[] = {
      {"no resource section",
       [](ElfImage& e) {
         e = makeElf({{".text", SHT_PROGBITS, {1}}});
       },
       "no resource section"},
      {"no section headers", [](ElfImage& e) { e.header.e_shoff = 0; }, "no resource section"},
      {"32-bit class", [](ElfImage& e) { e.header.e_ident[EI_CLASS] = ELFCLASS32; },
       "not an ELF64 little-endian shared object"},
      {"big-endian", [](ElfImage& e) { e.header.e_ident[EI_DATA] = ELFDATA2MSB; },
       "not an ELF64 little-endian shared object"},
      {"executable, not shared", [](ElfImage& e) { e.header.e_type = ET_EXEC; },
       "not an ELF shared object"},
      {"section header size", [](ElfImage& e) { e.header.e_shentsize = 40; },
       "ELF file is malformed: section header size is 40, expected 64"},
      {"section headers past the end", [](ElfImage& e) { e.header.e_shoff += 8; },
       "ELF file is malformed: section headers lie outside the file"},
      {"section header offset near 2^64", [](ElfImage& e) { e.header.e_shoff = ~0ull - 16; },
       "ELF file is malformed: section headers lie outside the file"},
      {"too many sections", [](ElfImage& e) { e.header.e_shnum = 0xFFF0; },
       "ELF file is malformed: section headers lie outside the file"},
      {"huge extended section count",
       [](ElfImage& e) {
         e.header.e_shnum = 0;
         e.sections[0].sh_size = ~0ull / 2;
       },
       "ELF file is malformed: section headers lie outside the file"},
      {"name table index out of range", [](ElfImage& e) { e.header.e_shstrndx = 40; },
       "ELF file is malformed: section-name table index 40 is out of range"},
      {"name table is not a string table", [](ElfImage& e) { e.header.e_shstrndx = 1; },
       "ELF file is malformed: bad section-name table"},
      {"name table past the end", [](ElfImage& e) { e.sections.back().sh_size = 1u << 20; },
       "ELF file is malformed: bad section-name table"},
      {"section name outside the table", [](ElfImage& e) { e.sections[1].sh_name = 5000; },
       "ELF file is malformed: section 1 has a name outside the section-name table"},
      {"resource data past the end", [](ElfImage& e) { e.sections[2].sh_size += 1u << 20; },
       "resource section is malformed: it lies outside the file"},
      {"resource offset near 2^64", [](ElfImage& e) { e.sections[2].sh_offset = ~0ull - 4; },
       "resource section is malformed: it lies outside the file"},
      {"resource section without contents", [](ElfImage& e) { e.sections[2].sh_type = SHT_NOBITS; },
       "resource section is malformed: it has no contents in the file"},
      {"two resource sections",
       [](ElfImage& e) {
         e = makeElf(
             {{".qvrsrc", SHT_PROGBITS, sampleBlob()}, {".qvrsrc", SHT_PROGBITS, sampleBlob()}});
       },
       "resource section is malformed: the file has more than one"},
      {"garbage in the resource section",
       [](ElfImage& e) {
         e = makeElf({{".qvrsrc", SHT_PROGBITS, bytesOf("QVRX....")}});
       },
       "resource section is malformed: header is truncated (8 bytes)"},
  };
  for (const auto& c : cases) {
    ElfImage elf = sampleModule();
    c.damage(elf);
    auto load = readModuleResources(write("damaged.so", elf.serialize()));
    EXPECT_FALSE(load.table.has_value()) << c.name;
    EXPECT_EQ(load.error, c.error) << c.name;
  }
}

TEST_F(ModuleFileTest, ExtendedSectionNumberingIsFollowed) {
  // With e_shnum 0 and e_shstrndx SHN_XINDEX the real values live in section header 0.
  ElfImage elf = sampleModule();
  elf.sections[0].sh_size = elf.header.e_shnum;
  elf.sections[0].sh_link = elf.header.e_shstrndx;
  elf.header.e_shnum = 0;
  elf.header.e_shstrndx = SHN_XINDEX;
  auto load = readModuleResources(write("extended.so", elf.serialize()));
  ASSERT_TRUE(load.table.has_value()) << load.error;
  EXPECT_EQ(load.table->size(), 2u);
}

TEST_F(ModuleFileTest, EveryTruncationIsAnError) {
  const Bytes full = sampleModule().serialize();
  for (std::size_t length = 0; length < full.size(); length += 3) {
    auto load = readModuleResources(write("cut.so", Bytes(full.begin(), full.begin() + length)));
    EXPECT_FALSE(load.table.has_value()) << "length " << length;
    EXPECT_FALSE(load.error.empty()) << "length " << length;
  }
}

// ---- PIPL ----

struct Property {
  std::uint32_t vendor;
  std::uint32_t key;
  std::int32_t propertyId;
  Bytes value;
  std::optional<std::int32_t> length;  // Defaults to value.size().
};

// A property list laid out by hand: int16 1, int32 version, int32 count, properties.
struct Pipl {
  std::uint16_t leading = 1;
  std::int32_t version = 0;
  std::optional<std::int32_t> count;  // Defaults to the number of properties.
  std::vector<Property> properties;
  Bytes trailing;
  std::size_t cut = 0;  // Bytes dropped from the end.

  Property& operator[](const char (&key)[5]) {
    for (auto& p : properties) {
      if (p.key == fourCC(key)) return p;
    }
    throw std::out_of_range(key);
  }

  Bytes encode() const {
    Bytes b;
    put16(b, leading);
    put32(b, static_cast<std::uint32_t>(version));
    put32(b, static_cast<std::uint32_t>(count.value_or(static_cast<int>(properties.size()))));
    for (const auto& p : properties) {
      put32(b, p.vendor);
      put32(b, p.key);
      put32(b, static_cast<std::uint32_t>(p.propertyId));
      put32(b, static_cast<std::uint32_t>(p.length.value_or(static_cast<int>(p.value.size()))));
      append(b, p.value);
    }
    append(b, trailing);
    b.resize(b.size() - cut);
    return b;
  }
};

// NUL-terminated and padded to a multiple of 4.
Bytes paddedText(const std::string& s) {
  Bytes b = bytesOf(s);
  b.push_back(0);
  while (b.size() % 4 != 0) b.push_back(0);
  return b;
}

Pipl validPipl() {
  const std::uint32_t adbe = fourCC("ADBE");
  Pipl pipl;
  pipl.properties = {
      {adbe, fourCC("kind"), 0, le32(fourCC("SPEA")), {}},
      {adbe, fourCC("ivrs"), 0, le32(2), {}},
      {adbe, fourCC("wx86"), 0, paddedText("PluginMain"), {}},
      {adbe, fourCC("pinm"), 0, paddedText("QV17_Tessaly1"), {}},
  };
  return pipl;
}

PiplResult check(const Pipl& pipl) {
  ResourceTable table;
  table.set(kResourceTypePipl, kPiplResourceId, pipl.encode());
  return readPluginProperties(table);
}

TEST(Pipl, WellFormedListPasses) {
  const Bytes bytes = validPipl().encode();
  // The layout itself: codes are little-endian integers, so 'ADBE' is stored as "EBDA".
  ASSERT_EQ(bytes.size(), 110u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
            (Bytes{1, 0, 0, 0, 0, 0, 4, 0, 0, 0, 'E', 'B', 'D', 'A'}));

  auto result = check(validPipl());
  ASSERT_TRUE(result.properties.has_value()) << result.error;
  EXPECT_TRUE(result.error.empty());
  EXPECT_EQ(result.properties->kind, "SPEA");
  EXPECT_EQ(result.properties->interfaceVersion, 2);
  EXPECT_EQ(result.properties->entryPoint, "PluginMain");
  EXPECT_EQ(result.properties->name, "QV17_Tessaly1");
}

TEST(Pipl, PropertyOrderDoesNotMatter) {
  Pipl pipl = validPipl();
  std::swap(pipl.properties[0], pipl.properties[3]);
  std::swap(pipl.properties[1], pipl.properties[2]);
  auto result = check(pipl);
  ASSERT_TRUE(result.properties.has_value()) << result.error;
  EXPECT_EQ(result.properties->name, "QV17_Tessaly1");
}

TEST(Pipl, MissingPiplIsNamed) {
  ResourceTable table;
  table.set(kResourceTypePipl, 16001, validPipl().encode());  // Wrong id.
  EXPECT_EQ(readPluginProperties(table).error, "no PIPL 16000");
}

TEST(Pipl, EachFaultIsNamed) {
  struct Case {
    const char* name;
    std::function<void(Pipl&)> damage;
    const char* error;
  } cases[] = {
      {"header cut short",
       [](Pipl& p) {
         p.properties.clear();
         p.cut = 1;
       },
       "PIPL is truncated (9 bytes)"},
      {"leading value", [](Pipl& p) { p.leading = 2; }, "PIPL starts with 2, expected 1"},
      {"list version", [](Pipl& p) { p.version = 1; }, "PIPL list version is 1, expected 0"},
      {"count too small", [](Pipl& p) { p.count = 3; }, "PIPL property count is 3, expected 4"},
      {"count too large", [](Pipl& p) { p.count = 5; }, "PIPL property count is 5, expected 4"},
      {"property header truncated", [](Pipl& p) { p.cut = 26; }, "PIPL property 3 is truncated"},
      {"bad vendor", [](Pipl& p) { p["ivrs"].vendor = fourCC("ADBX"); },
       "PIPL property 'ivrs' has vendor 'ADBX', expected 'ADBE'"},
      {"property ID", [](Pipl& p) { p["kind"].propertyId = 7; },
       "PIPL property 'kind' has property ID 7, expected 0"},
      {"negative length", [](Pipl& p) { p["wx86"].length = -4; },
       "PIPL property 'wx86' has negative length -4"},
      {"unpadded length", [](Pipl& p) { p["pinm"].length = 14; },
       "PIPL property 'pinm' length 14 is not a multiple of 4"},
      {"truncated value", [](Pipl& p) { p.cut = 4; },
       "PIPL property 'pinm' runs past the end of the data"},
      {"length past the end", [](Pipl& p) { p["kind"].length = 0x7FFFFFFC; },
       "PIPL property 'kind' runs past the end of the data"},
      {"bytes left over",
       [](Pipl& p) {
         p.trailing = {0, 0, 0, 0};
       },
       "PIPL has 4 bytes after its last property"},
      {"duplicate key", [](Pipl& p) { p["ivrs"].key = fourCC("kind"); },
       "PIPL property 'kind' appears more than once"},
      {"missing name", [](Pipl& p) { p["pinm"].key = fourCC("pinX"); },
       "PIPL has no 'pinm' property"},
      {"missing entry point", [](Pipl& p) { p["wx86"].key = fourCC("wx64"); },
       "PIPL has no 'wx86' property"},
      {"wrong kind", [](Pipl& p) { p["kind"].value = le32(fourCC("SPEX")); },
       "PIPL kind is 'SPEX', expected 'SPEA'"},
      {"kind too long", [](Pipl& p) { append(p["kind"].value, le32(0)); },
       "PIPL kind has length 8, expected 4"},
      {"wrong interface version", [](Pipl& p) { p["ivrs"].value = le32(3); },
       "PIPL interface version is 3, expected 2"},
      {"interface version too long", [](Pipl& p) { append(p["ivrs"].value, le32(0)); },
       "PIPL interface version has length 8, expected 4"},
      {"entry point without NUL", [](Pipl& p) { p["wx86"].value = bytesOf("PluginMainXY"); },
       "PIPL entry point is not NUL-terminated"},
      {"empty entry point", [](Pipl& p) { p["wx86"].value = Bytes(4, 0); },
       "PIPL entry point is empty"},
      {"name without NUL", [](Pipl& p) { p["pinm"].value = bytesOf("QV17"); },
       "PIPL plug-in name is not NUL-terminated"},
      {"name with no bytes", [](Pipl& p) { p["pinm"].value = {}; },
       "PIPL plug-in name is not NUL-terminated"},
      {"name of NULs", [](Pipl& p) { p["pinm"].value = Bytes(8, 0); },
       "PIPL plug-in name is empty"},
  };
  for (const auto& c : cases) {
    Pipl pipl = validPipl();
    c.damage(pipl);
    auto result = check(pipl);
    EXPECT_FALSE(result.properties.has_value()) << c.name;
    EXPECT_EQ(result.error, c.error) << c.name;
  }
}

TEST(Pipl, EveryTruncationIsAnError) {
  const Bytes full = validPipl().encode();
  for (std::size_t length = 0; length < full.size(); ++length) {
    ResourceTable table;
    table.set(kResourceTypePipl, kPiplResourceId, Bytes(full.begin(), full.begin() + length));
    auto result = readPluginProperties(table);
    EXPECT_FALSE(result.properties.has_value()) << "length " << length;
    EXPECT_FALSE(result.error.empty()) << "length " << length;
  }
}

}  // namespace
}  // namespace qv::host
