// Which names are properties, which are inherited, and how values are combined.
#include "svg_cascade.h"

#include <algorithm>
#include <array>

#include "number_format.h"

namespace qv::host::io {

namespace {

// Sorted for binary search.
constexpr std::array<std::string_view, 48> kInherited{"clip-rule",
                                                      "color",
                                                      "color-interpolation",
                                                      "color-interpolation-filters",
                                                      "color-profile",
                                                      "color-rendering",
                                                      "cursor",
                                                      "direction",
                                                      "dominant-baseline",
                                                      "fill",
                                                      "fill-opacity",
                                                      "fill-rule",
                                                      "font",
                                                      "font-family",
                                                      "font-feature-settings",
                                                      "font-kerning",
                                                      "font-size",
                                                      "font-size-adjust",
                                                      "font-stretch",
                                                      "font-style",
                                                      "font-variant",
                                                      "font-weight",
                                                      "glyph-orientation-horizontal",
                                                      "glyph-orientation-vertical",
                                                      "image-rendering",
                                                      "kerning",
                                                      "letter-spacing",
                                                      "marker",
                                                      "marker-end",
                                                      "marker-mid",
                                                      "marker-start",
                                                      "paint-order",
                                                      "pointer-events",
                                                      "shape-rendering",
                                                      "stroke",
                                                      "stroke-dasharray",
                                                      "stroke-dashoffset",
                                                      "stroke-linecap",
                                                      "stroke-linejoin",
                                                      "stroke-miterlimit",
                                                      "stroke-opacity",
                                                      "stroke-width",
                                                      "text-anchor",
                                                      "text-rendering",
                                                      "visibility",
                                                      "white-space",
                                                      "word-spacing",
                                                      "writing-mode"};

constexpr std::array<std::string_view, 24> kOwn{"alignment-baseline",
                                                "baseline-shift",
                                                "clip",
                                                "clip-path",
                                                "display",
                                                "enable-background",
                                                "filter",
                                                "flood-color",
                                                "flood-opacity",
                                                "isolation",
                                                "lighting-color",
                                                "mask",
                                                "mask-type",
                                                "mix-blend-mode",
                                                "opacity",
                                                "overflow",
                                                "stop-color",
                                                "stop-opacity",
                                                "text-decoration",
                                                "transform",
                                                "transform-box",
                                                "transform-origin",
                                                "unicode-bidi",
                                                "vector-effect"};

bool contains(const auto& sorted, std::string_view name) {
  return std::binary_search(sorted.begin(), sorted.end(), name);
}

double fontSizeOf(std::string_view value, double parentSize, const LengthBase& base) {
  static constexpr std::array<std::pair<std::string_view, double>, 7> kKeywords{{{"xx-small", 9},
                                                                                 {"x-small", 10},
                                                                                 {"small", 13},
                                                                                 {"medium", 16},
                                                                                 {"large", 18},
                                                                                 {"x-large", 24},
                                                                                 {"xx-large", 32}}};
  for (const auto& [keyword, size] : kKeywords) {
    if (value == keyword) return size;
  }
  if (value == "larger") return parentSize * 1.2;
  if (value == "smaller") return parentSize / 1.2;
  LengthBase relative = base;
  relative.fontSize = parentSize;
  if (value.ends_with('%')) {
    const auto percent = parseNumber(value.substr(0, value.size() - 1));
    return percent ? parentSize * *percent / 100 : parentSize;
  }
  const auto size = parseLength(value, Axis::Other, relative);
  return size && *size >= 0 ? *size : parentSize;
}

}  // namespace

bool isInheritedProperty(std::string_view name) { return contains(kInherited, name); }

bool isPresentationProperty(std::string_view name) {
  return contains(kInherited, name) || contains(kOwn, name);
}

std::string_view ComputedStyle::get(std::string_view name) const {
  const Properties& map = isInheritedProperty(name) ? inherited : own;
  const auto it = map.find(name);
  return it == map.end() ? std::string_view() : std::string_view(it->second);
}

Properties Cascade::specified(const pugi::xml_node& element) const {
  Properties values;
  for (const pugi::xml_attribute& a : element.attributes()) {
    if (isPresentationProperty(a.name())) values[a.name()] = std::string(trim(a.value()));
  }
  // These are properties only style sheets and style attributes set.
  values.erase("mix-blend-mode");
  values.erase("isolation");
  std::vector<Declaration> important;
  auto apply = [&](const Declaration& d) {
    if (!isPresentationProperty(d.name)) return;
    if (d.important) {
      important.push_back(d);
    } else {
      values[d.name] = d.value;
    }
  };
  if (!sheet_.empty()) {
    for (const Declaration* d : sheet_.matching(element)) apply(*d);
  }
  for (const Declaration& d : parseDeclarations(element.attribute("style").value())) apply(d);
  for (const Declaration& d : important) values[d.name] = d.value;
  return values;
}

ComputedStyle computeStyle(const ComputedStyle& parent, const Properties& specified,
                           const LengthBase& base) {
  ComputedStyle style;
  style.inherited = parent.inherited;
  style.fontSize = parent.fontSize;
  for (const auto& [name, value] : specified) {
    if (value == "inherit") {
      if (!isInheritedProperty(name)) {
        if (const auto it = parent.own.find(name); it != parent.own.end())
          style.own[name] = it->second;
      }
      continue;
    }
    if (name == "font-size") {
      style.fontSize = fontSizeOf(value, parent.fontSize, base);
      style.inherited[name] = formatDouble(style.fontSize) + "px";
    } else if (isInheritedProperty(name)) {
      style.inherited[name] = value;
    } else {
      style.own[name] = value;
    }
  }
  return style;
}

std::string formatDeclarations(const Properties& properties) {
  std::string text;
  for (const auto& [name, value] : properties) {
    if (!text.empty()) text += ';';
    text += name + ":" + value;
  }
  return text;
}

}  // namespace qv::host::io
