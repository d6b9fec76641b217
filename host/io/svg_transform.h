// Transforms in SVG files: the transform list syntax, view boxes with preserveAspectRatio, and
// the matrix helpers import and export share. Pure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "AITypes.h"

namespace qv::host::io {

// matrix(), translate(), scale(), rotate() with an optional centre, skewX() and skewY(), in
// order, the first listed acting last. CSS units on the numbers (px, deg, rad, turn) are read.
std::optional<AIRealMatrix> parseTransform(std::string_view text);
// "matrix(a b c d e f)" with every digit the floats need.
std::string formatMatrix(const AIRealMatrix& m);
std::optional<AIRealMatrix> invert(const AIRealMatrix& m);
// The matrix that maps the unit square onto a rectangle whose bottom is its smaller v, as
// Bounds keeps it (in SVG coordinates that is the rectangle's upper edge).
AIRealMatrix boxMatrix(const AIRealRect& box);
bool isIdentity(const AIRealMatrix& m);

struct ViewBox {
  double x = 0, y = 0, width = 0, height = 0;
};
// Four numbers with a positive width and height, or nothing.
std::optional<ViewBox> parseViewBox(std::string_view text);
// The matrix that shows the view box in a viewport of the given size at the origin.
AIRealMatrix viewBoxTransform(const ViewBox& box, std::string_view preserveAspectRatio,
                              double width, double height);

}  // namespace qv::host::io
