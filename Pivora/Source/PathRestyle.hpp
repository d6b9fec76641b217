// The random restyling of one path of a point-drag event: random fill and stroke colours,
// random fill and stroke swatches, a random stroke weight and a random opacity, each by its
// option. Touches only the path it is given.
#ifndef QV_PIVORA_PATHRESTYLE_HPP
#define QV_PIVORA_PATHRESTYLE_HPP

#include <cstdint>

#include "AITypes.h"

namespace pivora {

// Restyles `path` by the options that are set, drawing in the order fill colour, fill swatch,
// stroke colour, stroke swatch, weight, opacity. A step's host errors do not stop the others;
// each host call of a step stores its result in `error`.
void RestylePath(AIArtHandle path, int32_t swatchCount, AIErr& error);

}  // namespace pivora

#endif
