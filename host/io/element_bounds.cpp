// The ink extent librsvg reports for the whole standalone fragment (its logical extent when
// there is no ink, as for an image whose file is missing).
#include "element_bounds.h"

#include <cmath>
#include <limits>

#include "fragment_svg.h"
#include "rsvg_document.h"

namespace qv::host::io {

Bounds measureFragment(std::string_view fragment, AIReal width, AIReal height) {
  Bounds bounds;
  const auto svg = standaloneSvg(fragment, width, height);
  if (!svg) return bounds;
  std::string error;
  const RsvgDocument document = loadRsvg(*svg, error);
  if (!document) return bounds;
  const RsvgRectangle viewport{0, 0, width, height};
  RsvgRectangle ink{}, logical{};
  GError* failure = nullptr;
  if (!rsvg_handle_get_geometry_for_layer(document.get(), nullptr, &viewport, &ink, &logical,
                                          &failure)) {
    if (failure != nullptr) g_error_free(failure);
    return bounds;
  }
  const RsvgRectangle& r = ink.width > 0 || ink.height > 0 ? ink : logical;
  const double largest = std::numeric_limits<AIReal>::max();
  if ((r.width <= 0 && r.height <= 0) || !(std::fabs(r.x) + r.width < largest) ||
      !(std::fabs(r.y) + r.height < largest)) {
    return bounds;
  }
  bounds.add(AIRealPoint{static_cast<AIReal>(r.x), static_cast<AIReal>(r.y)});
  bounds.add(AIRealPoint{static_cast<AIReal>(r.x + r.width), static_cast<AIReal>(r.y + r.height)});
  return bounds;
}

}  // namespace qv::host::io
