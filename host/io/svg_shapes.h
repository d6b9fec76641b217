// The geometry of SVG's drawing elements as subpaths in their own user space: path data and
// the basic shapes (rect with rounded corners, circle, ellipse, line, polyline, polygon).
// Reads one pugixml element; pure otherwise.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "path_writer.h"
#include "svg_numbers.h"

namespace qv::host::io {

bool isShapeElement(std::string_view name);

// The element's subpaths; `problem` says why some or all of it is missing (bad path data,
// a negative size), "" when nothing is wrong. A shape of zero size draws nothing.
std::vector<Subpath> shapeSubpaths(const pugi::xml_node& element, std::string_view name,
                                   const LengthBase& base, std::string& problem);

}  // namespace qv::host::io
