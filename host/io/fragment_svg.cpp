// Wrapping one fragment into an <svg> document.
#include "fragment_svg.h"

#include "number_format.h"
#include "svg_fragment.h"
#include "xml_text.h"

namespace qv::host::io {

std::optional<std::string> standaloneSvg(std::string_view fragment, AIReal width, AIReal height) {
  ParsedFragment parsed;
  if (!parseFragment(fragment, parsed)) return std::nullopt;
  pugi::xml_document xml;
  pugi::xml_node svg = xml.append_child("svg");
  svg.append_attribute("xmlns") = kSvgNamespace;
  svg.append_attribute("xmlns:xlink") = kXlinkNamespace;
  svg.append_attribute("width") = formatReal(width).c_str();
  svg.append_attribute("height") = formatReal(height).c_str();
  svg.append_attribute("viewBox") = ("0 0 " + formatReal(width) + " " + formatReal(height)).c_str();
  if (!parsed.definitions.empty()) {
    pugi::xml_node defs = svg.append_child("defs");
    for (const pugi::xml_node& definition : parsed.definitions) defs.append_copy(definition);
  }
  svg.append_copy(parsed.main);
  return printXml(xml, pugi::format_raw);
}

}  // namespace qv::host::io
