// Content-keyed placement of definitions; later fragments that bring the same definition
// share the first one.
#include "svg_definitions.h"

#include "xml_text.h"

namespace qv::host::io {

namespace {
std::string replaced(std::string value, const std::string& from, const std::string& to) {
  for (auto at = value.find(from); at != std::string::npos; at = value.find(from, at + to.size())) {
    value.replace(at, from.size(), to);
  }
  return value;
}

// Rewrites references to renamed ids (href "#id" and url(#id)) in a subtree.
void renameReferences(pugi::xml_node node, const std::map<std::string, std::string>& renames) {
  if (renames.empty() || node.type() != pugi::node_element) return;
  for (pugi::xml_attribute a : node.attributes()) {
    std::string value = a.value();
    const std::string_view name = a.name();
    for (const auto& [from, to] : renames) {
      if (from == to) continue;
      if (name == "href" || name == "xlink:href") {
        if (value == "#" + from) value = "#" + to;
        continue;
      }
      for (const char* quote : {"", "'", "\""}) {
        value = replaced(value, "url(" + std::string(quote) + "#" + from + quote + ")",
                         "url(" + std::string(quote) + "#" + to + quote + ")");
      }
    }
    if (value != a.value()) a = value.c_str();
  }
  for (pugi::xml_node child : node.children()) renameReferences(child, renames);
}

}  // namespace

DefinitionWriter::DefinitionWriter(pugi::xml_node defs, std::set<std::string> taken)
    : defs_(defs), taken_(std::move(taken)) {}

std::string DefinitionWriter::place(pugi::xml_node definition,
                                    const std::map<std::string, std::string>& renames) {
  renameReferences(definition, renames);
  const std::string content = printXml(definition, pugi::format_raw);
  if (const auto it = idOfContent_.find(content); it != idOfContent_.end()) return it->second;
  const std::string id = definition.attribute("id").value();
  std::string unique = id.empty() ? "definition" : id;
  for (int n = 2; taken_.count(unique) != 0; ++n) unique = id + "-" + std::to_string(n);
  taken_.insert(unique);
  idOfContent_.emplace(content, unique);
  pugi::xml_node placed = defs_.append_copy(definition);
  if (!placed.attribute("id")) placed.append_attribute("id");
  placed.attribute("id") = unique.c_str();
  return unique;
}

void DefinitionWriter::placeDefinitions(ParsedFragment& fragment) {
  std::map<std::string, std::string> renames;
  // Definitions come after what refers to them, so the last ones are placed first.
  for (auto it = fragment.definitions.rbegin(); it != fragment.definitions.rend(); ++it) {
    const std::string id = it->attribute("id").value();
    const std::string placed = place(*it, renames);
    if (!id.empty()) renames[id] = placed;
  }
  renameReferences(fragment.main, renames);
}

std::string DefinitionWriter::placePaint(ParsedFragment& fragment) {
  placeDefinitions(fragment);
  return place(fragment.main, {});
}

}  // namespace qv::host::io
