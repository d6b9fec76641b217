// The <defs> of an exported file: the definitions every fragment brings, each written once,
// with an id that is already taken by other content renamed and the fragment's references
// following the new name. Writes into the <defs> node it is given.
#pragma once

#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>

#include "svg_fragment.h"

namespace qv::host::io {

class DefinitionWriter {
 public:
  // `taken` are the ids the document's art uses.
  DefinitionWriter(pugi::xml_node defs, std::set<std::string> taken);
  // Places the fragment's definitions and updates the references in its main element, which
  // the caller then copies into the document.
  void placeDefinitions(ParsedFragment& fragment);
  // Places a paint fragment whole (its main element is the paint server); returns the id to
  // refer to it by.
  std::string placePaint(ParsedFragment& fragment);

 private:
  // Writes one definition unless the same content is there already; returns its id there.
  std::string place(pugi::xml_node definition, const std::map<std::string, std::string>& renames);
  pugi::xml_node defs_;
  std::set<std::string> taken_;
  std::map<std::string, std::string> idOfContent_;
};

}  // namespace qv::host::io
