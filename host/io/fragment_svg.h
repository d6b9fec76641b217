// A pass-through fragment as a standalone SVG file: the artboard's size and coordinates, the
// fragment's definitions in <defs> and its first element drawn. Used to measure and to look
// at one fragment alone. Pure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "AITypes.h"

namespace qv::host::io {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kXlinkNamespace = "http://www.w3.org/1999/xlink";

// Nothing when the fragment is not well-formed.
std::optional<std::string> standaloneSvg(std::string_view fragment, AIReal width, AIReal height);

}  // namespace qv::host::io
