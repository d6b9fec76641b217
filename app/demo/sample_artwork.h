// The sample document of `qvhost demo`: an SVG drawing and a swatch list compiled into the
// program, so that the gallery needs no file to start from. Pure data.
#pragma once

#include <string_view>

namespace qv::app {

// SVG text of a 480 x 320 artboard with three shapes, each with an id the panels select by:
// "flower", a closed curvy path of ten smooth points (0 at the top, then clockwise: the odd
// ones are the inner points); "dot", a circle; "tile", a rounded rectangle.
std::string_view sampleArtwork();

// The swatch list of the sample document as a script's "swatches" value (docs/scripts.md):
// "[None]" and "[Registration]", which the tools never pick, then six colours that go with the
// artwork.
std::string_view samplePalette();

}  // namespace qv::app
