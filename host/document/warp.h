// The warps an envelope applies to its member: where a point goes under each of the fifteen
// styles, and the member's paths as the envelope shows them (export and drawing use these;
// the document keeps the unwarped member). Pure functions over the document's records.
#pragma once

#include <vector>

#include "document.h"

namespace qv::host {

// Maps p through `warp` within `box` (the member's bounds). Styles 1..15 are arc, arc lower,
// arc upper, arch, bulge, shell lower, shell upper, flag, wave, fish, rise, fisheye, inflate,
// squeeze and twist; any other style, and bend and both distortions at 0, leave p as it is.
// Continuous in p, also outside the box (where handles may lie).
AIRealPoint warpPoint(const Warp& warp, const AIRealRect& box, AIRealPoint p);

struct WarpedPath {
  const Art* path = nullptr;            // a path of the member (or the member itself)
  std::vector<AIPathSegment> segments;  // its segments, anchors and handles warped
};

// The paths of an envelope's member in pre-order, each mapped through the envelope's warp
// within the member's bounds (envelopes nested in the member apply their own warp first).
// Empty for art that is not an envelope.
std::vector<WarpedPath> warpedMember(const Document& document, const Art& envelope);

}  // namespace qv::host
