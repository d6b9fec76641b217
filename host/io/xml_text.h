// XML nodes as text through pugixml's writer. Pure.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace qv::host::io {

// A document node prints all its children.
std::string printXml(const pugi::xml_node& node, unsigned format, const char* indent = "");

}  // namespace qv::host::io
