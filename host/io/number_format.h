// Numbers as the writers print them: the shortest text that reads back as the same float, so
// that what is written keeps every bit of the document's coordinates. Pure.
#pragma once

#include <string>

#include "AITypes.h"

namespace qv::host::io {

std::string formatReal(AIReal value);
// The same for a double (used where a value is computed in double before it is written).
std::string formatDouble(double value);
// The SVG y of document v on an artboard of this height: the shortest text from which import
// (v = height - y in double, then rounded to float) gets exactly v back.
std::string formatFlippedY(AIReal v, AIReal height);

}  // namespace qv::host::io
