// Matrix arithmetic and exact cubic bounds.
#include "geometry.h"

#include <algorithm>

namespace qv::host {

AIRealPoint apply(const AIRealMatrix& m, AIRealPoint p) {
  return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

AIRealMatrix concat(const AIRealMatrix& first, const AIRealMatrix& then) {
  // then ∘ first: x' = then(first(x)).
  return {then.a * first.a + then.c * first.b,
          then.b * first.a + then.d * first.b,
          then.a * first.c + then.c * first.d,
          then.b * first.c + then.d * first.d,
          then.a * first.tx + then.c * first.ty + then.tx,
          then.b * first.tx + then.d * first.ty + then.ty};
}

AIRealMatrix translation(AIReal tx, AIReal ty) { return {1, 0, 0, 1, tx, ty}; }

AIRealMatrix rotation(AIReal radians) {
  const auto c = static_cast<AIReal>(std::cos(static_cast<double>(radians)));
  const auto s = static_cast<AIReal>(std::sin(static_cast<double>(radians)));
  return {c, s, -s, c, 0, 0};
}

AIRealMatrix scaling(AIReal h, AIReal v) { return {h, 0, 0, v, 0, 0}; }

void Bounds::add(AIRealPoint p) {
  if (empty) {
    rect = {p.h, p.v, p.h, p.v};
    empty = false;
    return;
  }
  rect.left = std::min(rect.left, p.h);
  rect.right = std::max(rect.right, p.h);
  rect.bottom = std::min(rect.bottom, p.v);
  rect.top = std::max(rect.top, p.v);
}

void Bounds::add(const Bounds& other) {
  if (other.empty) return;
  add(AIRealPoint{other.rect.left, other.rect.top});
  add(AIRealPoint{other.rect.right, other.rect.bottom});
}

namespace {

// Adds the extrema of one coordinate of the cubic p0 p1 p2 p3 for t in (0, 1).
template <typename Add>
void cubicExtrema(double p0, double p1, double p2, double p3, Add add) {
  // Derivative: 3[(p1-p0)(1-t)^2 + 2(p2-p1)t(1-t) + (p3-p2)t^2] = a t^2 + b t + c.
  const double a = -p0 + 3 * p1 - 3 * p2 + p3;
  const double b = 2 * (p0 - 2 * p1 + p2);
  const double c = p1 - p0;
  auto at = [&](double t) {
    if (t > 0 && t < 1) add(t);
  };
  if (std::fabs(a) < 1e-12) {
    if (std::fabs(b) > 1e-12) at(-c / b);
    return;
  }
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return;
  const double root = std::sqrt(discriminant);
  at((-b + root) / (2 * a));
  at((-b - root) / (2 * a));
}

AIRealPoint cubicAt(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3, double t) {
  const double u = 1 - t;
  auto mix = [&](double a, double b, double c, double d) {
    return static_cast<AIReal>(u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d);
  };
  return {mix(p0.h, p1.h, p2.h, p3.h), mix(p0.v, p1.v, p2.v, p3.v)};
}

void addSegment(Bounds& bounds, const AIPathSegment& from, const AIPathSegment& to) {
  const AIRealPoint p0 = from.p, p1 = from.out, p2 = to.in, p3 = to.p;
  auto add = [&](double t) { bounds.add(cubicAt(p0, p1, p2, p3, t)); };
  cubicExtrema(p0.h, p1.h, p2.h, p3.h, add);
  cubicExtrema(p0.v, p1.v, p2.v, p3.v, add);
}

}  // namespace

Bounds pathBounds(std::span<const AIPathSegment> segments, bool closed) {
  Bounds bounds;
  for (const AIPathSegment& segment : segments) bounds.add(segment.p);
  for (std::size_t i = 1; i < segments.size(); ++i) addSegment(bounds, segments[i - 1], segments[i]);
  if (closed && segments.size() > 1) addSegment(bounds, segments.back(), segments.front());
  return bounds;
}

bool finite(AIReal value) { return std::isfinite(value); }
bool finite(AIRealPoint p) { return finite(p.h) && finite(p.v); }
bool finite(const AIRealMatrix& m) {
  return finite(m.a) && finite(m.b) && finite(m.c) && finite(m.d) && finite(m.tx) && finite(m.ty);
}

}  // namespace qv::host
