// The cascade and inheritance of SVG properties. An element's specified values come from its
// presentation attributes, then the matching style sheet rules, then its style attribute
// (declarations marked important last); inherited properties flow down as computed at the
// parent. Reads pugixml nodes; changes nothing.
#pragma once

#include <functional>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "svg_css.h"
#include "svg_numbers.h"

namespace qv::host::io {

using Properties = std::map<std::string, std::string, std::less<>>;

bool isInheritedProperty(std::string_view name);
// Whether an attribute of this name is a presentation attribute (a property).
bool isPresentationProperty(std::string_view name);

// An element's style as the resolve stage reads it.
struct ComputedStyle {
  Properties inherited;  // computed values of the inherited properties
  Properties own;        // the element's specified values of the other properties
  double fontSize = 16;  // in user units
  // The value of a property ("" when it has none).
  std::string_view get(std::string_view name) const;
};

class Cascade {
 public:
  explicit Cascade(const StyleSheet& sheet) : sheet_(sheet) {}
  Properties specified(const pugi::xml_node& element) const;

 private:
  const StyleSheet& sheet_;
};

// The style of an element with these specified values under a parent with `parent`.
// "inherit" takes the parent's value; font-size is computed (em, %, keywords) and kept in px.
ComputedStyle computeStyle(const ComputedStyle& parent, const Properties& specified,
                           const LengthBase& base);

// "name:value;..." in name order.
std::string formatDeclarations(const Properties& properties);

}  // namespace qv::host::io
