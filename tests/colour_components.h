// The components of a colour as a list, so tests can compare colours of any kind in one
// assertion. Reads only the colour record of the module boundary.
#pragma once

#include <vector>

#include "AITypes.h"

namespace qv::test {

// Gray: one component; RGB: three; CMYK: four; any other kind: none.
inline std::vector<AIReal> componentsOf(const AIColor& colour) {
  switch (colour.kind) {
    case kGrayColor:
      return {colour.c.g.gray};
    case kThreeColor:
      return {colour.c.rgb.red, colour.c.rgb.green, colour.c.rgb.blue};
    case kFourColor:
      return {colour.c.f.cyan, colour.c.f.magenta, colour.c.f.yellow, colour.c.f.black};
    default:
      return {};
  }
}

}  // namespace qv::test
