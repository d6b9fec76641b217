// SVG files into documents. Import runs in two stages: the XML is first resolved (svg_resolve:
// styles, inheritance, <use>, units, transforms), then converted here into layers and art in
// document coordinates (points, v up, origin at the artboard's lower-left: v = height - y).
// Reads the file; creates a new Document and touches nothing else.
#pragma once

#include <filesystem>
#include <string_view>

#include "io_result.h"

namespace qv::host::io {

// A missing or unreadable file, malformed XML or a root that is not <svg> is an error that
// names the file (and line); an element that cannot be converted is a warning.
ImportResult importSvg(const std::filesystem::path& file);
// The same for SVG text; relative references in it stay as they are.
ImportResult importSvgText(std::string_view text);

}  // namespace qv::host::io
