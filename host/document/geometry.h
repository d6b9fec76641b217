// Geometry of the document: affine matrices, exact bounds of cubic segments, and the
// tolerance-aware comparisons tests use. Pure functions over the boundary's value types.
#pragma once

#include <cmath>
#include <span>

#include "AITypes.h"

namespace qv::host {

// The identity matrix.
constexpr AIRealMatrix kIdentity{1, 0, 0, 1, 0, 0};

// Applies m to p: (a·x + c·y + tx, b·x + d·y + ty).
AIRealPoint apply(const AIRealMatrix& m, AIRealPoint p);
// The matrix that applies `first`, then `then` ("appended operations act after earlier ones").
AIRealMatrix concat(const AIRealMatrix& first, const AIRealMatrix& then);
AIRealMatrix translation(AIReal tx, AIReal ty);
AIRealMatrix rotation(AIReal radians);  // counter-clockwise with v up
AIRealMatrix scaling(AIReal h, AIReal v);

// An empty rectangle (no point yet) says so instead of using a sentinel.
struct Bounds {
  bool empty = true;
  AIRealRect rect{0, 0, 0, 0};
  void add(AIRealPoint p);
  void add(const Bounds& other);
};

// Exact bounds of a path: anchors plus the extrema of every cubic segment (control points
// only where the curve reaches them). A closed path includes its closing segment.
Bounds pathBounds(std::span<const AIPathSegment> segments, bool closed);

bool finite(AIReal value);
bool finite(AIRealPoint p);
bool finite(const AIRealMatrix& m);

inline bool near(AIReal a, AIReal b, AIReal tolerance = 1e-4f) {
  return std::fabs(a - b) <= tolerance;
}
inline bool near(AIRealPoint a, AIRealPoint b, AIReal tolerance = 1e-4f) {
  return near(a.h, b.h, tolerance) && near(a.v, b.v, tolerance);
}

}  // namespace qv::host
