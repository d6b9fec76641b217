// What an envelope shows: the paths of its member as the envelope's warp distorts them
// (envelopes nested in the member included). The one place export, and through it PNG
// drawing, takes an envelope's geometry from. Reads the document; changes nothing.
#pragma once

#include <unordered_map>
#include <vector>

#include "document/document.h"

namespace qv::host::io {

// The warped segments of every path in the envelope's member, by path.
using EnvelopeGeometry = std::unordered_map<const Art*, std::vector<AIPathSegment>>;

EnvelopeGeometry envelopeGeometry(const Document& document, const Art& envelope);

}  // namespace qv::host::io
