// What a pass-through fragment draws, measured by librsvg (the renderer PNG export uses), so
// that pass-through art has the bounds it shows. Builds a small SVG per call; changes nothing.
#pragma once

#include <string_view>

#include "document/geometry.h"

namespace qv::host::io {

// In SVG root coordinates of an artboard of the given size; empty when the fragment draws
// nothing or cannot be read.
Bounds measureFragment(std::string_view fragment, AIReal width, AIReal height);

}  // namespace qv::host::io
