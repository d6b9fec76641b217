// The host's warp geometry (document/warp.h), keyed for the SVG writer.
#include "envelope_drawing.h"

#include "document/warp.h"

namespace qv::host::io {

EnvelopeGeometry envelopeGeometry(const Document& document, const Art& envelope) {
  EnvelopeGeometry geometry;
  for (WarpedPath& path : warpedMember(document, envelope)) {
    geometry.emplace(path.path, std::move(path.segments));
  }
  return geometry;
}

}  // namespace qv::host::io
