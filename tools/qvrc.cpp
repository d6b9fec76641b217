// qvrc, the resource compiler: turns a module's JSON resource description (and the PNG icons it
// names) into a C++ source that defines the module's .qvrsrc section, the resource blob the host
// reads from the module file before loading it.
//
// Usage: qvrc INPUT.json OUTPUT.cpp
//
// Reads INPUT.json and the icon files it names (relative to the folder of INPUT.json); writes only
// OUTPUT.cpp, through a temporary file next to it that is renamed into place, so a failed run
// leaves no partial output. Errors are one line on stderr and a non-zero exit status.
//
// The description keeps what a Windows resource script needs (numeric IDs that fit 16 bits,
// dialog units, fonts, control kinds named after the script keywords, control IDs with -1 for
// static items), so that a .rc file can be generated from the same source.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxIconFileSize = 16 * 1024 * 1024;
constexpr int kCursorSize = 32;
constexpr std::int64_t kMinResourceId = 1;
constexpr std::int64_t kMaxResourceId = 32767;     // Fits a Windows resource ID.
constexpr std::int64_t kMaxDialogUnits = 32767;    // Dialog coordinates are 16-bit signed.
constexpr std::int64_t kMaxControlId = 65535;      // Control IDs are 16-bit; -1 marks a static.
constexpr std::size_t kMaxPluginNameLength = 255;  // The name must fit a length-prefixed string.

struct CompileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw CompileError(where.empty() ? what : where + ": " + what);
}

constexpr std::uint32_t fourCC(const char (&s)[5]) {
  return (std::uint32_t{static_cast<unsigned char>(s[0])} << 24) |
         (std::uint32_t{static_cast<unsigned char>(s[1])} << 16) |
         (std::uint32_t{static_cast<unsigned char>(s[2])} << 8) |
         std::uint32_t{static_cast<unsigned char>(s[3])};
}

void putU16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void putU32(Bytes& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}
void padTo4(Bytes& out) { out.resize((out.size() + 3) / 4 * 4, 0); }

// ---- JSON access with the path of each value, for error messages ----

// A scalar shows as its JSON text (cut short), anything else by its type.
std::string describe(const Json& v) {
  if (v.is_structured()) return std::string("an ") + v.type_name();
  auto text = v.dump();
  return text.size() > 40 ? text.substr(0, 37) + "..." : text;
}

void requireObject(const Json& v, const std::string& path) {
  if (!v.is_object()) fail(path, "expected an object, found " + describe(v));
}
void requireArray(const Json& v, const std::string& path) {
  if (!v.is_array()) fail(path, "expected an array, found " + describe(v));
}

void checkKeys(const Json& obj, const std::string& path,
               std::initializer_list<std::string_view> allowed) {
  for (const auto& item : obj.items()) {
    bool known = false;
    for (auto key : allowed) known = known || item.key() == key;
    if (!known) fail(path, "unknown key '" + item.key() + "'");
  }
}

std::string join(const std::string& path, const std::string& key) {
  return path.empty() ? key : path + "." + key;
}
std::string index(const std::string& path, std::size_t i) {
  return path + "[" + std::to_string(i) + "]";
}

const Json& member(const Json& obj, const std::string& path, const std::string& key) {
  auto it = obj.find(key);
  if (it == obj.end()) fail(path, "missing key '" + key + "'");
  return *it;
}

std::int64_t asInt(const Json& v, const std::string& path, std::int64_t lo, std::int64_t hi) {
  if (!v.is_number_integer()) fail(path, "expected an integer, found " + describe(v));
  if (v.is_number_unsigned() && v.get<std::uint64_t>() > static_cast<std::uint64_t>(hi)) {
    fail(path, v.dump() + " is out of range " + std::to_string(lo) + ".." + std::to_string(hi));
  }
  const auto value = v.get<std::int64_t>();
  if (value < lo || value > hi) {
    fail(path, std::to_string(value) + " is out of range " + std::to_string(lo) + ".." +
                   std::to_string(hi));
  }
  return value;
}

std::string asString(const Json& v, const std::string& path, bool allowEmpty = true) {
  if (!v.is_string()) fail(path, "expected a string, found " + describe(v));
  auto s = v.get<std::string>();
  if (!allowEmpty && s.empty()) fail(path, "must not be empty");
  if (s.find('\0') != std::string::npos) fail(path, "must not contain a NUL character");
  return s;
}

// A fixed-length array of integers, e.g. [x, y].
std::vector<std::int64_t> asInts(const Json& v, const std::string& path, std::size_t count,
                                 std::int64_t lo, std::int64_t hi) {
  requireArray(v, path);
  if (v.size() != count) {
    fail(path,
         "expected " + std::to_string(count) + " integers, found " + std::to_string(v.size()));
  }
  std::vector<std::int64_t> result;
  for (std::size_t i = 0; i < count; ++i) result.push_back(asInt(v[i], index(path, i), lo, hi));
  return result;
}

std::int32_t resourceId(const Json& obj, const std::string& path) {
  return static_cast<std::int32_t>(
      asInt(member(obj, path, "id"), join(path, "id"), kMinResourceId, kMaxResourceId));
}

// ---- Resources ----

struct Resource {
  std::uint32_t type;
  std::int32_t id;
  Bytes data;
};

class ResourceList {
 public:
  void add(const std::string& path, const char (&type)[5], std::int32_t id, Bytes data) {
    if (!seen_.insert({fourCC(type), id}).second) {
      fail(path, std::string("duplicate ") + type + " resource " + std::to_string(id));
    }
    resources_.push_back(Resource{fourCC(type), id, std::move(data)});
  }

  // Header, directory, then each resource's data starting on a 4-byte boundary.
  Bytes blob() const {
    Bytes out{'Q', 'V', 'R', 'S'};
    putU32(out, 1);
    putU32(out, static_cast<std::uint32_t>(resources_.size()));
    std::uint64_t offset = 12 + 16 * resources_.size();
    for (const auto& r : resources_) {
      if (offset + r.data.size() > UINT32_MAX) fail("", "resources exceed 4 GiB");
      putU32(out, r.type);
      putU32(out, static_cast<std::uint32_t>(r.id));
      putU32(out, static_cast<std::uint32_t>(offset));
      putU32(out, static_cast<std::uint32_t>(r.data.size()));
      offset = (offset + r.data.size() + 3) / 4 * 4;
    }
    for (const auto& r : resources_) {
      out.insert(out.end(), r.data.begin(), r.data.end());
      padTo4(out);
    }
    return out;
  }

  std::size_t size() const { return resources_.size(); }

 private:
  std::vector<Resource> resources_;
  std::set<std::pair<std::uint32_t, std::int32_t>> seen_;
};

// The PIPL: int16 1, int32 list version 0, int32 property count, then properties of vendor,
// key, property ID 0, padded length and NUL-padded value. Codes are stored as little-endian
// integers.
void compilePipl(const Json& pipl, ResourceList& out) {
  const std::string path = "pipl";
  requireObject(pipl, path);
  checkKeys(pipl, path, {"id", "kind", "interfaceVersion", "entryPoint", "name"});
  const auto id = resourceId(pipl, path);

  const auto kind = asString(member(pipl, path, "kind"), join(path, "kind"));
  if (kind.size() != 4) fail(join(path, "kind"), "must be a four-character code");
  for (char c : kind) {
    if (c < 0x20 || c > 0x7E) fail(join(path, "kind"), "must be printable ASCII");
  }
  const auto version = asInt(member(pipl, path, "interfaceVersion"), join(path, "interfaceVersion"),
                             INT32_MIN, INT32_MAX);

  const auto entryPoint =
      asString(member(pipl, path, "entryPoint"), join(path, "entryPoint"), false);
  for (std::size_t i = 0; i < entryPoint.size(); ++i) {
    const char c = entryPoint[i];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    if (!letter && !(i > 0 && c >= '0' && c <= '9')) {
      fail(join(path, "entryPoint"), "'" + entryPoint + "' is not a C identifier");
    }
  }
  const auto name = asString(member(pipl, path, "name"), join(path, "name"), false);
  if (name.size() > kMaxPluginNameLength) {
    fail(join(path, "name"), "longer than " + std::to_string(kMaxPluginNameLength) + " bytes");
  }

  auto text = [](const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    padTo4(b);
    return b;
  };
  auto code = [](std::uint32_t v) {
    Bytes b;
    putU32(b, v);
    return b;
  };
  const std::uint32_t kindCode = fourCC({kind[0], kind[1], kind[2], kind[3], '\0'});
  const std::pair<std::uint32_t, Bytes> properties[] = {
      {fourCC("kind"), code(kindCode)},
      {fourCC("ivrs"), code(static_cast<std::uint32_t>(version))},
      {fourCC("wx86"), text(entryPoint)},
      {fourCC("pinm"), text(name)},
  };

  Bytes data;
  putU16(data, 1);
  putU32(data, 0);
  putU32(data, static_cast<std::uint32_t>(std::size(properties)));
  for (const auto& [key, value] : properties) {
    putU32(data, fourCC("ADBE"));
    putU32(data, key);
    putU32(data, 0);
    putU32(data, static_cast<std::uint32_t>(value.size()));
    data.insert(data.end(), value.begin(), value.end());
  }
  out.add(path, "PIPL", id, std::move(data));
}

// STR#: uint32 count, then each string NUL-terminated.
void compileStringLists(const Json& lists, ResourceList& out) {
  requireArray(lists, "stringLists");
  for (std::size_t i = 0; i < lists.size(); ++i) {
    const auto path = index("stringLists", i);
    const Json& list = lists[i];
    requireObject(list, path);
    checkKeys(list, path, {"id", "strings"});
    const auto id = resourceId(list, path);
    const Json& strings = member(list, path, "strings");
    requireArray(strings, join(path, "strings"));
    Bytes data;
    putU32(data, static_cast<std::uint32_t>(strings.size()));
    for (std::size_t s = 0; s < strings.size(); ++s) {
      const auto text = asString(strings[s], index(join(path, "strings"), s));
      data.insert(data.end(), text.begin(), text.end());
      data.push_back(0);
    }
    out.add(path, "STR#", id, std::move(data));
  }
}

Bytes readFile(const fs::path& file, const std::string& path) {
  std::error_code error;
  const auto status = fs::status(file, error);
  if (error) fail(path, "cannot read '" + file.string() + "': " + error.message());
  if (!fs::is_regular_file(status)) fail(path, "'" + file.string() + "' is not a regular file");
  const auto size = fs::file_size(file, error);
  if (error) fail(path, "cannot read '" + file.string() + "': " + error.message());
  if (size > kMaxIconFileSize) fail(path, "'" + file.string() + "' is larger than 16 MiB");
  std::ifstream in(file, std::ios::binary);
  Bytes data(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()))) {
    fail(path, "cannot read '" + file.string() + "'");
  }
  return data;
}

// PNGI: the PNG file as it is. It must at least start like a PNG: signature, then IHDR.
void compileIcons(const Json& icons, const fs::path& baseDir, ResourceList& out) {
  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  requireArray(icons, "icons");
  for (std::size_t i = 0; i < icons.size(); ++i) {
    const auto path = index("icons", i);
    const Json& icon = icons[i];
    requireObject(icon, path);
    checkKeys(icon, path, {"id", "file"});
    const auto id = resourceId(icon, path);
    const auto file = asString(member(icon, path, "file"), join(path, "file"), false);
    auto data = readFile(baseDir / file, join(path, "file"));
    if (data.size() < std::size(kSignature) ||
        !std::equal(std::begin(kSignature), std::end(kSignature), data.begin())) {
      fail(join(path, "file"), "'" + file + "' is not a PNG file");
    }
    out.add(path, "PNGI", id, std::move(data));
  }
}

// CURS: uint16 width, height, hot spot x, y, then one byte per pixel: 0 transparent, 1 black,
// 2 white. The source draws the cursor as rows of ' ', '#' and '.'.
void compileCursors(const Json& cursors, ResourceList& out) {
  requireArray(cursors, "cursors");
  for (std::size_t i = 0; i < cursors.size(); ++i) {
    const auto path = index("cursors", i);
    const Json& cursor = cursors[i];
    requireObject(cursor, path);
    checkKeys(cursor, path, {"id", "hotSpot", "rows"});
    const auto id = resourceId(cursor, path);
    const auto hot =
        asInts(member(cursor, path, "hotSpot"), join(path, "hotSpot"), 2, 0, kCursorSize - 1);
    const auto rowsPath = join(path, "rows");
    const Json& rows = member(cursor, path, "rows");
    requireArray(rows, rowsPath);
    if (rows.size() != kCursorSize) {
      fail(rowsPath, "expected " + std::to_string(kCursorSize) + " rows, found " +
                         std::to_string(rows.size()));
    }
    Bytes data;
    putU16(data, kCursorSize);
    putU16(data, kCursorSize);
    putU16(data, static_cast<std::uint16_t>(hot[0]));
    putU16(data, static_cast<std::uint16_t>(hot[1]));
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const auto rowPath = index(rowsPath, r);
      const auto row = asString(rows[r], rowPath);
      if (row.size() != kCursorSize) {
        fail(rowPath, "expected " + std::to_string(kCursorSize) + " characters, found " +
                          std::to_string(row.size()));
      }
      for (std::size_t c = 0; c < row.size(); ++c) {
        switch (row[c]) {
          case ' ':
            data.push_back(0);
            break;
          case '#':
            data.push_back(1);
            break;
          case '.':
            data.push_back(2);
            break;
          default:
            fail(rowPath, "column " + std::to_string(c) +
                              ": expected ' ' (transparent), '#' (black) or '.' (white)");
        }
      }
    }
    out.add(path, "CURS", id, std::move(data));
  }
}

// DLOG: the dialog entry itself, serialised compactly. The template is checked here so that
// mistakes show at build time: sizes and rectangles in dialog units, every item inside the
// dialog, control IDs unique apart from the static -1.
void compileDialogs(const Json& dialogs, ResourceList& out) {
  static const std::set<std::string> kStyles = {"modal", "modeless", "floating", "tabbed-floating"};
  static const std::set<std::string> kKinds = {
      "defpushbutton", "pushbutton", "ltext",        "ctext",          "rtext",
      "edittext",      "checkbox",   "radiobutton",  "groupbox",       "combobox",
      "listbox",       "scrollbar",  "autocheckbox", "autoradiobutton"};
  requireArray(dialogs, "dialogs");
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    const auto path = index("dialogs", i);
    const Json& dialog = dialogs[i];
    requireObject(dialog, path);
    checkKeys(dialog, path,
              {"id", "name", "caption", "style", "position", "size", "font", "items"});
    const auto id = resourceId(dialog, path);
    for (const char* key : {"name", "caption"}) {
      if (dialog.contains(key)) asString(dialog[key], join(path, key));
    }
    const auto style = asString(member(dialog, path, "style"), join(path, "style"));
    if (!kStyles.contains(style)) fail(join(path, "style"), "unknown style '" + style + "'");
    if (dialog.contains("position")) {
      asInts(dialog["position"], join(path, "position"), 2, -kMaxDialogUnits, kMaxDialogUnits);
    }
    const auto size =
        asInts(member(dialog, path, "size"), join(path, "size"), 2, 1, kMaxDialogUnits);

    const auto fontPath = join(path, "font");
    const Json& font = member(dialog, path, "font");
    requireArray(font, fontPath);
    if (font.size() != 2) fail(fontPath, "expected [face name, point size]");
    asString(font[0], index(fontPath, 0), false);
    asInt(font[1], index(fontPath, 1), 1, 72);

    const auto itemsPath = join(path, "items");
    const Json& items = member(dialog, path, "items");
    requireArray(items, itemsPath);
    std::set<std::int64_t> controlIds;
    for (std::size_t n = 0; n < items.size(); ++n) {
      const auto itemPath = index(itemsPath, n);
      const Json& item = items[n];
      requireObject(item, itemPath);
      checkKeys(item, itemPath, {"kind", "id", "text", "rect"});
      const auto kind = asString(member(item, itemPath, "kind"), join(itemPath, "kind"));
      if (!kKinds.contains(kind)) fail(join(itemPath, "kind"), "unknown kind '" + kind + "'");
      const auto controlId =
          asInt(member(item, itemPath, "id"), join(itemPath, "id"), -1, kMaxControlId);
      if (controlId != -1 && !controlIds.insert(controlId).second) {
        fail(join(itemPath, "id"), "duplicate control ID " + std::to_string(controlId));
      }
      if (item.contains("text")) asString(item["text"], join(itemPath, "text"));
      const auto rectPath = join(itemPath, "rect");
      const auto rect = asInts(member(item, itemPath, "rect"), rectPath, 4, 0, kMaxDialogUnits);
      if (rect[2] == 0 || rect[3] == 0) fail(rectPath, "width and height must be positive");
      if (rect[0] + rect[2] > size[0] || rect[1] + rect[3] > size[1]) {
        fail(rectPath, "extends outside the " + std::to_string(size[0]) + " x " +
                           std::to_string(size[1]) + " dialog");
      }
    }
    const auto text = dialog.dump();
    out.add(path, "DLOG", id, Bytes(text.begin(), text.end()));
  }
}

// Parses the description, rejecting an object that repeats a key (the parser would otherwise
// keep one of the values silently).
Json parseDescription(const std::string& text) {
  std::vector<std::set<std::string>> openObjects;
  std::string duplicate;
  auto callback = [&](int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
        openObjects.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        openObjects.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!openObjects.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
          duplicate = parsed.get<std::string>();
        }
        break;
      default:
        break;
    }
    return true;
  };
  Json root;
  try {
    root = Json::parse(text, callback);
  } catch (const Json::parse_error& e) {
    std::string message = e.what();
    if (auto end = message.find("] ");
        message.starts_with("[json.exception") && end != message.npos) {
      message.erase(0, end + 2);
    }
    fail("", "invalid JSON: " + message);
  }
  if (!duplicate.empty())
    fail("", "invalid JSON: key '" + duplicate + "' appears twice in an object");
  return root;
}

Bytes compile(const fs::path& input) {
  std::ifstream in(input, std::ios::binary);
  if (!in) fail("", std::string("cannot read the file: ") + std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) fail("", "cannot read the file");

  const Json root = parseDescription(text.str());
  requireObject(root, "");
  checkKeys(root, "", {"pipl", "stringLists", "icons", "cursors", "dialogs"});
  ResourceList resources;
  compilePipl(member(root, "", "pipl"), resources);
  if (root.contains("stringLists")) compileStringLists(root["stringLists"], resources);
  if (root.contains("icons")) compileIcons(root["icons"], input.parent_path(), resources);
  if (root.contains("cursors")) compileCursors(root["cursors"], resources);
  if (root.contains("dialogs")) compileDialogs(root["dialogs"], resources);
  return resources.blob();
}

// The input's file name made safe for a // comment (no line continuation, no control bytes).
std::string commentSafe(const std::string& s) {
  std::string out;
  for (char c : s) out.push_back((c < 0x20 || c == 0x7F || c == '\\') ? '?' : c);
  return out;
}

std::string generate(const Bytes& blob, const fs::path& input) {
  std::ostringstream out;
  out << "// Generated by qvrc from " << commentSafe(input.filename().string())
      << "; do not edit.\n"
      << "// The module's resources (" << blob.size()
      << " bytes), kept in the .qvrsrc section where the host reads them from the module file.\n"
      << "// Nothing refers to them, so 'used' and 'retain' keep the compiler and the linker's\n"
      << "// section garbage collection from dropping them; hidden, they are never exported.\n"
      << "extern \"C\" __attribute__((section(\".qvrsrc\"), used, retain, aligned(16), "
         "visibility(\"hidden\"))) const unsigned char qv_module_resources[] = {\n";
  static constexpr char kHex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < blob.size(); ++i) {
    out << (i % 16 == 0 ? "    " : " ") << "0x" << kHex[blob[i] >> 4] << kHex[blob[i] & 0xF] << ','
        << (i % 16 == 15 || i + 1 == blob.size() ? "\n" : "");
  }
  out << "};\n";
  return out.str();
}

// Writes `text` to a temporary file beside `output` and renames it into place.
void writeAtomically(const fs::path& output, const std::string& text) {
  fs::path temp = output;
  temp += ".tmp" + std::to_string(::getpid());
  try {
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      if (!out) fail("", "cannot write '" + temp.string() + "'");
      out << text;
      out.close();
      if (!out) fail("", "cannot write '" + temp.string() + "'");
    }
    std::error_code error;
    fs::rename(temp, output, error);
    if (error) fail("", "cannot write '" + output.string() + "': " + error.message());
  } catch (...) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qvrc INPUT.json OUTPUT.cpp\n";
    return 2;
  }
  const fs::path input = argv[1];
  const fs::path output = argv[2];
  try {
    Bytes blob;
    try {
      blob = compile(input);
    } catch (const CompileError& e) {
      throw CompileError(input.string() + ": " + e.what());
    }
    writeAtomically(output, generate(blob, input));
  } catch (const std::exception& e) {
    std::cerr << "qvrc: error: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
