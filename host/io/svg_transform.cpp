// Transform list grammar and view box fitting.
#include "svg_transform.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <vector>

#include "document/geometry.h"
#include "number_format.h"
#include "svg_numbers.h"

namespace qv::host::io {

namespace {

AIRealMatrix matrix(double a, double b, double c, double d, double e, double f) {
  return {static_cast<AIReal>(a), static_cast<AIReal>(b), static_cast<AIReal>(c),
          static_cast<AIReal>(d), static_cast<AIReal>(e), static_cast<AIReal>(f)};
}

double radians(double value, std::string_view unit) {
  if (unit == "rad") return value;
  if (unit == "turn") return value * 2 * std::numbers::pi;
  if (unit == "grad") return value * std::numbers::pi / 200;
  return value * std::numbers::pi / 180;
}

std::optional<AIRealMatrix> function(std::string_view name, const std::vector<double>& v,
                                     std::string_view angleUnit) {
  const std::size_t n = v.size();
  if (name == "matrix" && n == 6) return matrix(v[0], v[1], v[2], v[3], v[4], v[5]);
  if (name == "translate" && (n == 1 || n == 2)) return matrix(1, 0, 0, 1, v[0], n == 2 ? v[1] : 0);
  if (name == "scale" && (n == 1 || n == 2)) return matrix(v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0);
  if (name == "rotate" && (n == 1 || n == 3)) {
    const double a = radians(v[0], angleUnit);
    const double cx = n == 3 ? v[1] : 0, cy = n == 3 ? v[2] : 0;
    const double c = std::cos(a), s = std::sin(a);
    return matrix(c, s, -s, c, cx - c * cx + s * cy, cy - s * cx - c * cy);
  }
  if (name == "skewX" && n == 1) return matrix(1, 0, std::tan(radians(v[0], angleUnit)), 1, 0, 0);
  if (name == "skewY" && n == 1) return matrix(1, std::tan(radians(v[0], angleUnit)), 0, 1, 0, 0);
  return std::nullopt;
}

}  // namespace

std::optional<AIRealMatrix> parseTransform(std::string_view text) {
  AIRealMatrix result = kIdentity;
  NumberScanner scanner(text);
  scanner.skipSpace();
  while (!scanner.atEnd()) {
    std::string name;
    while (std::isalpha(static_cast<unsigned char>(scanner.peek()))) {
      name += scanner.peek();
      scanner.advance();
    }
    scanner.skipSpace();
    if (name.empty() || scanner.peek() != '(') return std::nullopt;
    scanner.advance();
    std::vector<double> values;
    std::string angleUnit;
    scanner.skipSpace();
    while (scanner.peek() != ')') {
      double value = 0;
      if (!scanner.number(value)) return std::nullopt;
      std::string unit;
      while (std::isalpha(static_cast<unsigned char>(scanner.peek()))) {
        unit += scanner.peek();
        scanner.advance();
      }
      if (!unit.empty() && unit != "px") angleUnit = unit;
      values.push_back(value);
      scanner.skipSeparator();
    }
    scanner.advance();
    const auto m = function(name, values, angleUnit);
    if (!m) return std::nullopt;
    // Each function acts before the ones listed ahead of it.
    result = concat(*m, result);
    scanner.skipSeparator();
  }
  return result;
}

std::string formatMatrix(const AIRealMatrix& m) {
  return "matrix(" + formatReal(m.a) + " " + formatReal(m.b) + " " + formatReal(m.c) + " " +
         formatReal(m.d) + " " + formatReal(m.tx) + " " + formatReal(m.ty) + ")";
}

std::optional<AIRealMatrix> invert(const AIRealMatrix& m) {
  const double det = static_cast<double>(m.a) * m.d - static_cast<double>(m.b) * m.c;
  if (det == 0 || !std::isfinite(det)) return std::nullopt;
  const double a = m.d / det, b = -m.b / det, c = -m.c / det, d = m.a / det;
  return matrix(a, b, c, d, -(a * m.tx + c * m.ty), -(b * m.tx + d * m.ty));
}

AIRealMatrix boxMatrix(const AIRealRect& box) {
  return {box.right - box.left, 0, 0, box.top - box.bottom, box.left, box.bottom};
}

bool isIdentity(const AIRealMatrix& m) {
  return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 0 && m.ty == 0;
}

std::optional<ViewBox> parseViewBox(std::string_view text) {
  const auto values = parseNumberList(text);
  if (!values || values->size() != 4) return std::nullopt;
  const auto& v = *values;
  if (!(v[2] > 0) || !(v[3] > 0)) return std::nullopt;
  return ViewBox{v[0], v[1], v[2], v[3]};
}

AIRealMatrix viewBoxTransform(const ViewBox& box, std::string_view preserveAspectRatio,
                              double width, double height) {
  std::string_view align = trim(preserveAspectRatio);
  bool slice = false;
  if (const auto space = align.find(' '); space != std::string_view::npos) {
    slice = trim(align.substr(space)) == "slice";
    align = align.substr(0, space);
  }
  if (align.empty()) align = "xMidYMid";
  double sx = width / box.width, sy = height / box.height;
  if (align == "none") return matrix(sx, 0, 0, sy, -box.x * sx, -box.y * sy);
  const double scale = slice ? std::max(sx, sy) : std::min(sx, sy);
  sx = sy = scale;
  double tx = -box.x * scale, ty = -box.y * scale;
  const double extraX = width - box.width * scale, extraY = height - box.height * scale;
  if (align.find("xMid") != std::string_view::npos) tx += extraX / 2;
  if (align.find("xMax") != std::string_view::npos) tx += extraX;
  if (align.find("YMid") != std::string_view::npos) ty += extraY / 2;
  if (align.find("YMax") != std::string_view::npos) ty += extraY;
  return matrix(sx, 0, 0, sy, tx, ty);
}

}  // namespace qv::host::io
