// SVG path data read into a PathWriter: every command, absolute and relative, with implicit
// repeats; quadratics become cubics and arcs become cubics of at most a quarter turn each.
// Pure.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "path_writer.h"

namespace qv::host::io {

// Writes the commands of `data` to `out`. Returns the offset of the first error, or nothing
// when the data is well formed; as SVG draws it, what came before an error is kept.
std::optional<std::size_t> readPathData(std::string_view data, PathWriter& out);

// An elliptical arc from `from` to `to` as SVG parameterises it, written as cubics (a line
// when a radius is zero; nothing when the end points coincide).
void writeArc(Point from, double rx, double ry, double xAxisRotationDegrees, bool largeArc,
              bool sweep, Point to, PathWriter& out);

}  // namespace qv::host::io
