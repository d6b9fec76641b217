// The fifteen warp styles as simple continuous maps of the unit box, and the warped paths of
// an envelope's member.
#include "warp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::host {

namespace {

// A position in the box: -1..1 on each axis, measured from the centre.
struct Unit {
  double u;
  double t;
};

// The bend of one style; b = 0 gives back (u, t) exactly.
Unit bend(int32_t style, double b, Unit at) {
  constexpr double pi = std::numbers::pi;
  const double u = at.u;
  const double t = at.t;
  const double q = 1 - u * u;  // 1 on the vertical centre line, 0 at the sides
  const double r = std::min(1.0, std::hypot(u, t));
  switch (style) {
    case 1:  // arc
      return {u, t + b * q};
    case 2:  // arc lower
      return {u, t + b * q * (1 - t) / 2};
    case 3:  // arc upper
      return {u, t + b * q * (1 + t) / 2};
    case 4:  // arch
      return {u, t + b * std::sqrt(std::max(0.0, q))};
    case 5:  // bulge
      return {u, t * (1 + b * q)};
    case 6:  // shell lower
      return {u * (1 + b * (1 - t) / 4), t - b * q * (1 - t) / 2};
    case 7:  // shell upper
      return {u * (1 + b * (1 + t) / 4), t + b * q * (1 + t) / 2};
    case 8:  // flag
      return {u, t + b * std::sin(pi * u) / 2};
    case 9:  // wave
      return {u + b * std::sin(pi * t) / 4, t + b * std::sin(pi * u) / 4};
    case 10:  // fish: the body left of the centre
      return {u, t * (1 + b * q * (1 - u) / 2)};
    case 11:  // rise
      return {u, t + b * std::sin(pi * u / 2) / 2};
    case 12: {  // fisheye
      const double k = 1 + b * (1 - r * r);
      return {u * k, t * k};
    }
    case 13:  // inflate
      return {u * (1 + b * (1 - t * t) / 2), t * (1 + b * q / 2)};
    case 14:  // squeeze
      return {u * (1 - b * (1 - t * t) / 2), t * (1 + b * q / 2)};
    case 15: {  // twist
      const double angle = b * pi / 2 * (1 - r);
      const double c = std::cos(angle);
      const double s = std::sin(angle);
      return {u * c - t * s, u * s + t * c};
    }
    default:
      return at;
  }
}

// Position along one axis of the box; 0 when the box has no extent there.
double unit(double value, double low, double high) {
  const double half = (high - low) / 2;
  return half > 0 ? (value - (low + half)) / half : 0;
}

void collectPaths(const Document& document, const Art& art, std::vector<WarpedPath>& paths) {
  if (art.envelope) {
    for (WarpedPath& path : warpedMember(document, art)) paths.push_back(std::move(path));
    return;
  }
  if (art.type == kPathArt) paths.push_back({&art, art.segments});
  for (const Art* child : art.children) collectPaths(document, *child, paths);
}

}  // namespace

AIRealPoint warpPoint(const Warp& warp, const AIRealRect& box, AIRealPoint p) {
  if (warp.style < 1 || warp.style > 15) return p;
  const Unit at{unit(p.h, box.left, box.right), unit(p.v, box.bottom, box.top)};
  // Rotated, the style bends along the other axis.
  Unit bent =
      warp.rotate ? bend(warp.style, warp.bend, {at.t, at.u}) : bend(warp.style, warp.bend, at);
  if (warp.rotate) bent = {bent.t, bent.u};
  // The distortions as perspective: one side taller (horizontal), the top wider (vertical).
  const Unit moved{bent.u * (1 + warp.vertical * bent.t / 2),
                   bent.t * (1 + warp.horizontal * bent.u / 2)};
  // Moves by the change of the unit position, so an unmoved coordinate stays exactly put.
  const double halfWidth = (static_cast<double>(box.right) - box.left) / 2;
  const double halfHeight = (static_cast<double>(box.top) - box.bottom) / 2;
  return {static_cast<AIReal>(p.h + (moved.u - at.u) * halfWidth),
          static_cast<AIReal>(p.v + (moved.t - at.t) * halfHeight)};
}

std::vector<WarpedPath> warpedMember(const Document& document, const Art& envelope) {
  std::vector<WarpedPath> paths;
  if (!envelope.envelope || envelope.children.empty()) return paths;
  const Art& member = *envelope.children.front();
  collectPaths(document, member, paths);
  const AIRealRect box = document.bounds(member).rect;
  for (WarpedPath& path : paths) {
    for (AIPathSegment& segment : path.segments) {
      segment.p = warpPoint(envelope.warp, box, segment.p);
      segment.in = warpPoint(envelope.warp, box, segment.in);
      segment.out = warpPoint(envelope.warp, box, segment.out);
    }
  }
  return paths;
}

}  // namespace qv::host
