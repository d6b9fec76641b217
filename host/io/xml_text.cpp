// A pugixml writer that appends to a string.
#include "xml_text.h"

namespace qv::host::io {

namespace {
struct StringWriter final : pugi::xml_writer {
  std::string text;
  void write(const void* data, std::size_t size) override {
    text.append(static_cast<const char*>(data), size);
  }
};
}  // namespace

std::string printXml(const pugi::xml_node& node, unsigned format, const char* indent) {
  StringWriter out;
  node.print(out, indent, format);
  return out.text;
}

}  // namespace qv::host::io
