// One parsed SVG file as the resolve stage reads it: the XML, its ids, the style cascade and
// the memo of computed styles, where messages point to, and the warnings gathered so far.
// Reads the XML; changes nothing in it.
#pragma once

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "svg_cascade.h"
#include "svg_css.h"

namespace qv::host::io {

class SvgSource {
 public:
  // `label` names the file in messages; `folder` is where relative references point to
  // (empty for text that came from no file).
  SvgSource(const pugi::xml_document& xml, std::string_view text, std::string label,
            std::filesystem::path folder, std::vector<std::string>& warnings);

  const pugi::xml_node root() const { return root_; }
  const std::filesystem::path& folder() const { return folder_; }
  // The element with this id (the first one), or an empty node.
  pugi::xml_node byId(std::string_view id) const;
  // The element a "#id" reference or a url(#id) names, or an empty node.
  pugi::xml_node referenced(std::string_view reference) const;
  Properties specified(const pugi::xml_node& element) const { return cascade_.specified(element); }
  // The computed style of an element in its own place in the file (as definitions use it).
  const ComputedStyle& computedAt(const pugi::xml_node& element) const;

  // "file:line: <name id="x">" for messages about an element.
  std::string where(const pugi::xml_node& element) const;
  void warn(const pugi::xml_node& element, const std::string& reason) const;
  // The line of a byte offset in the text.
  std::size_t lineAt(std::ptrdiff_t offset) const;

 private:
  pugi::xml_node root_;
  std::string_view text_;
  std::string label_;
  std::filesystem::path folder_;
  std::vector<std::string>& warnings_;
  std::unordered_map<std::string, pugi::xml_node> ids_;
  StyleSheet sheet_;
  Cascade cascade_;
  ComputedStyle initial_;  // what the root inherits
  mutable std::unordered_map<pugi::xml_node_struct*, ComputedStyle> computed_;
  std::vector<std::size_t> lineStarts_;
};

// A reference's id: "#x" and url(#x), quoted or not, give "x"; anything else "".
std::string referenceId(std::string_view reference);
// The href of an element (href, else xlink:href).
std::string_view hrefOf(const pugi::xml_node& element);
// The declaration of a namespace prefix in scope at `node`, or an empty attribute.
pugi::xml_attribute namespaceDeclaration(pugi::xml_node node, std::string_view prefix);
// Whether `inner` is `outer` or lies inside it.
bool containsOrIs(const pugi::xml_node& outer, pugi::xml_node inner);

}  // namespace qv::host::io
