// The blending mode names.
#include "blend_modes.h"

namespace qv::host::io {

const char* const kBlendModeNames[kBlendModeCount] = {
    "normal",      "multiply",   "screen",     "overlay",    "darken",     "lighten",
    "color-dodge", "color-burn", "hard-light", "soft-light", "difference", "exclusion",
    "hue",         "saturation", "color",      "luminosity"};

}  // namespace qv::host::io
