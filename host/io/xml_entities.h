// Internal entities of a document type declaration, which pugixml leaves unexpanded: files
// from some illustration programs declare their namespaces that way (<!ENTITY ns_svg "...">,
// xmlns="&ns_svg;"). Pure.
#pragma once

#include <string>

namespace qv::host::io {

// Replaces each reference to an entity the internal subset declares by its value, nested
// references included, up to a total size that keeps runaway expansions out (those are left
// as they are). Returns false when there was a declaration it could not expand.
bool expandInternalEntities(std::string& text);

}  // namespace qv::host::io
