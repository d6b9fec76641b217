// Basic shapes written as path commands, rounded corners and ellipses as quarter arcs.
#include "svg_shapes.h"

#include <algorithm>

#include "svg_path_data.h"

namespace qv::host::io {

namespace {

Point point(double x, double y) { return {x, y}; }

double length(const pugi::xml_node& e, const char* name, Axis axis, const LengthBase& base,
              std::string& problem, double fallback = 0) {
  const pugi::xml_attribute a = e.attribute(name);
  if (!a) return fallback;
  const auto value = parseLength(a.value(), axis, base);
  if (!value) {
    problem = std::string(name) + " '" + a.value() + "' is not a length";
    return fallback;
  }
  return *value;
}

// Four quarter arcs clockwise (in SVG's y-down space) from the rightmost point.
void ellipse(double cx, double cy, double rx, double ry, PathWriter& out) {
  out.moveTo(point(cx + rx, cy));
  writeArc(point(cx + rx, cy), rx, ry, 0, false, true, point(cx, cy + ry), out);
  writeArc(point(cx, cy + ry), rx, ry, 0, false, true, point(cx - rx, cy), out);
  writeArc(point(cx - rx, cy), rx, ry, 0, false, true, point(cx, cy - ry), out);
  writeArc(point(cx, cy - ry), rx, ry, 0, false, true, point(cx + rx, cy), out);
  out.close();
}

void rect(const pugi::xml_node& e, const LengthBase& base, std::string& problem, PathWriter& out) {
  const double x = length(e, "x", Axis::Horizontal, base, problem);
  const double y = length(e, "y", Axis::Vertical, base, problem);
  const double w = length(e, "width", Axis::Horizontal, base, problem);
  const double h = length(e, "height", Axis::Vertical, base, problem);
  if (w < 0 || h < 0) problem = "negative width or height";
  if (!(w > 0) || !(h > 0)) return;
  // A missing or negative radius takes the other one; both are at most half the side.
  double rx = length(e, "rx", Axis::Horizontal, base, problem, -1);
  double ry = length(e, "ry", Axis::Vertical, base, problem, -1);
  if (rx < 0) rx = ry;
  if (ry < 0) ry = rx;
  rx = std::clamp(rx, 0.0, w / 2);
  ry = std::clamp(ry, 0.0, h / 2);
  if (rx == 0 || ry == 0) {
    out.moveTo(point(x, y));
    out.lineTo(point(x + w, y));
    out.lineTo(point(x + w, y + h));
    out.lineTo(point(x, y + h));
    out.close();
    return;
  }
  out.moveTo(point(x + rx, y));
  out.lineTo(point(x + w - rx, y));
  writeArc(point(x + w - rx, y), rx, ry, 0, false, true, point(x + w, y + ry), out);
  out.lineTo(point(x + w, y + h - ry));
  writeArc(point(x + w, y + h - ry), rx, ry, 0, false, true, point(x + w - rx, y + h), out);
  out.lineTo(point(x + rx, y + h));
  writeArc(point(x + rx, y + h), rx, ry, 0, false, true, point(x, y + h - ry), out);
  out.lineTo(point(x, y + ry));
  writeArc(point(x, y + ry), rx, ry, 0, false, true, point(x + rx, y), out);
  out.close();
}

void points(const pugi::xml_node& e, bool closed, std::string& problem, PathWriter& out) {
  NumberScanner scanner(e.attribute("points").value());
  scanner.skipSpace();
  bool first = true;
  while (!scanner.atEnd()) {
    double x = 0, y = 0;
    if (!scanner.number(x)) break;
    scanner.skipSeparator();
    if (!scanner.number(y)) break;
    scanner.skipSeparator();
    if (first) {
      out.moveTo(point(x, y));
    } else {
      out.lineTo(point(x, y));
    }
    first = false;
  }
  // As SVG draws it: the pairs before an error (or an odd number) are kept.
  if (!scanner.atEnd())
    problem = "points list has an error at offset " + std::to_string(scanner.position());
  if (closed && !first) out.close();
}

}  // namespace

bool isShapeElement(std::string_view name) {
  return name == "path" || name == "rect" || name == "circle" || name == "ellipse" ||
         name == "line" || name == "polyline" || name == "polygon";
}

std::vector<Subpath> shapeSubpaths(const pugi::xml_node& e, std::string_view name,
                                   const LengthBase& base, std::string& problem) {
  SubpathBuilder out;
  if (name == "path") {
    if (const auto error = readPathData(e.attribute("d").value(), out)) {
      problem = "path data has an error at offset " + std::to_string(*error);
    }
  } else if (name == "rect") {
    rect(e, base, problem, out);
  } else if (name == "circle" || name == "ellipse") {
    const double cx = length(e, "cx", Axis::Horizontal, base, problem);
    const double cy = length(e, "cy", Axis::Vertical, base, problem);
    double rx = 0, ry = 0;
    if (name == "circle") {
      rx = ry = length(e, "r", Axis::Other, base, problem);
    } else {
      // SVG 2: a missing radius takes the other one.
      rx = length(e, "rx", Axis::Horizontal, base, problem, -1);
      ry = length(e, "ry", Axis::Vertical, base, problem, -1);
      if (rx < 0) rx = ry;
      if (ry < 0) ry = rx;
    }
    if (rx < 0 || ry < 0) problem = "negative radius";
    if (rx > 0 && ry > 0) ellipse(cx, cy, rx, ry, out);
  } else if (name == "line") {
    out.moveTo(point(length(e, "x1", Axis::Horizontal, base, problem),
                     length(e, "y1", Axis::Vertical, base, problem)));
    out.lineTo(point(length(e, "x2", Axis::Horizontal, base, problem),
                     length(e, "y2", Axis::Vertical, base, problem)));
  } else if (name == "polyline" || name == "polygon") {
    points(e, name == "polygon", problem, out);
  }
  return out.take();
}

}  // namespace qv::host::io
