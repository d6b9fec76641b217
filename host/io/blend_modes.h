// The names of the sixteen blending modes, in the document's order (0 normal .. 15
// luminosity), as SVG's mix-blend-mode and the JSON dump write them. Pure data.
#pragma once

namespace qv::host::io {

inline constexpr int kBlendModeCount = 16;
extern const char* const kBlendModeNames[kBlendModeCount];

}  // namespace qv::host::io
