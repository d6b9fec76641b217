// The path data grammar: commands, their implicit repeats, the reflected control points of the
// smooth commands, and the endpoint-to-centre conversion of arcs.
#include "svg_path_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "svg_numbers.h"

namespace qv::host::io {

namespace {

int argumentCount(char command) {
  switch (command) {
    case 'M':
    case 'L':
    case 'T':
      return 2;
    case 'H':
    case 'V':
      return 1;
    case 'C':
      return 6;
    case 'S':
    case 'Q':
      return 4;
    case 'A':
      return 7;
    default:
      return 0;
  }
}

bool isCommand(char c) {
  switch (c) {
    case 'M':
    case 'm':
    case 'Z':
    case 'z':
    case 'L':
    case 'l':
    case 'H':
    case 'h':
    case 'V':
    case 'v':
    case 'C':
    case 'c':
    case 'S':
    case 's':
    case 'Q':
    case 'q':
    case 'T':
    case 't':
    case 'A':
    case 'a':
      return true;
    default:
      return false;
  }
}

class PathDataReader {
 public:
  PathDataReader(std::string_view data, PathWriter& out) : scanner_(data), out_(out) {}

  std::optional<std::size_t> read() {
    scanner_.skipSpace();
    if (scanner_.atEnd()) return std::nullopt;
    // Path data must open with a moveto.
    if (scanner_.peek() != 'M' && scanner_.peek() != 'm') return scanner_.position();
    char command = 0;
    while (!scanner_.atEnd()) {
      const std::size_t at = scanner_.position();
      if (isCommand(scanner_.peek())) {
        command = scanner_.peek();
        scanner_.advance();
      } else if (command == 0 || command == 'Z' || command == 'z') {
        return at;  // numbers where a command letter must come
      }
      if (!execute(command)) return at;
      // A moveto's extra pairs are linetos.
      if (command == 'M') command = 'L';
      if (command == 'm') command = 'l';
      scanner_.skipSeparator();
    }
    return std::nullopt;
  }

 private:
  bool execute(char command) {
    const bool relative = command >= 'a';
    const char upper = static_cast<char>(relative ? command - ('a' - 'A') : command);
    if (upper == 'Z') {
      out_.close();
      current_ = start_;
      lastControl_ = current_;
      closedSubpath_ = true;
      return true;
    }
    double a[7] = {};
    const int count = argumentCount(upper);
    for (int i = 0; i < count; ++i) {
      scanner_.skipSeparator();
      bool ok = false;
      if (upper == 'A' && (i == 3 || i == 4)) {
        bool value = false;
        ok = scanner_.flag(value);
        a[i] = value ? 1 : 0;
      } else {
        ok = scanner_.number(a[i]);
      }
      if (!ok) return false;
    }
    // Drawing after a closepath starts a new subpath at the closed one's start.
    if (closedSubpath_ && upper != 'M') out_.moveTo(start_);
    closedSubpath_ = false;
    const Point origin = relative ? current_ : Point{};
    auto at = [&](int i) { return Point{origin.x + a[i], origin.y + a[i + 1]}; };
    switch (upper) {
      case 'M':
        current_ = start_ = at(0);
        out_.moveTo(current_);
        lastControl_ = current_;
        break;
      case 'L':
        lineTo(at(0));
        break;
      case 'H':
        lineTo({relative ? current_.x + a[0] : a[0], current_.y});
        break;
      case 'V':
        lineTo({current_.x, relative ? current_.y + a[0] : a[0]});
        break;
      case 'C':
        cubicTo(at(0), at(2), at(4), false);
        break;
      case 'S':
        cubicTo(reflected('C'), at(0), at(2), false);
        break;
      case 'Q':
        quadTo(at(0), at(2));
        break;
      case 'T':
        quadTo(reflected('Q'), at(0));
        break;
      case 'A': {
        const Point to = at(5);
        writeArc(current_, a[0], a[1], a[2], a[3] != 0, a[4] != 0, to, out_);
        current_ = to;
        lastControl_ = current_;
        lastKind_ = 'A';
        break;
      }
      default:
        return false;
    }
    return true;
  }

  // The reflection of the last control point when the last command was of the same family.
  Point reflected(char family) const {
    if (lastKind_ != family) return current_;
    return {2 * current_.x - lastControl_.x, 2 * current_.y - lastControl_.y};
  }

  void lineTo(Point p) {
    out_.lineTo(p);
    current_ = p;
    lastControl_ = p;
    lastKind_ = 'L';
  }

  void cubicTo(Point c1, Point c2, Point p, bool fromQuad) {
    out_.cubicTo(c1, c2, p);
    current_ = p;
    if (!fromQuad) lastControl_ = c2;
    lastKind_ = fromQuad ? 'Q' : 'C';
  }

  void quadTo(Point q, Point p) {
    const Point c1{current_.x + 2.0 / 3 * (q.x - current_.x),
                   current_.y + 2.0 / 3 * (q.y - current_.y)};
    const Point c2{p.x + 2.0 / 3 * (q.x - p.x), p.y + 2.0 / 3 * (q.y - p.y)};
    cubicTo(c1, c2, p, true);
    lastControl_ = q;
  }

  NumberScanner scanner_;
  PathWriter& out_;
  Point current_, start_, lastControl_;
  char lastKind_ = 0;
  bool closedSubpath_ = false;
};

}  // namespace

std::optional<std::size_t> readPathData(std::string_view data, PathWriter& out) {
  return PathDataReader(data, out).read();
}

void writeArc(Point from, double rx, double ry, double xAxisRotationDegrees, bool largeArc,
              bool sweep, Point to, PathWriter& out) {
  const double x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
  if (x1 == x2 && y1 == y2) return;
  rx = std::fabs(rx);
  ry = std::fabs(ry);
  if (rx == 0 || ry == 0) return out.lineTo(to);
  const double phi = xAxisRotationDegrees * std::numbers::pi / 180;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  // The end points in the ellipse's frame, centred between them.
  const double dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
  const double x1p = cosPhi * dx + sinPhi * dy;
  const double y1p = -sinPhi * dx + cosPhi * dy;
  // Radii too small to reach are scaled up just enough.
  const double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
  if (lambda > 1) {
    rx *= std::sqrt(lambda);
    ry *= std::sqrt(lambda);
  }
  const double numerator = rx * rx * ry * ry - rx * rx * y1p * y1p - ry * ry * x1p * x1p;
  const double denominator = rx * rx * y1p * y1p + ry * ry * x1p * x1p;
  double factor = std::sqrt(std::max(0.0, numerator / denominator));
  if (largeArc == sweep) factor = -factor;
  const double cxp = factor * rx * y1p / ry;
  const double cyp = -factor * ry * x1p / rx;
  const double cx = cosPhi * cxp - sinPhi * cyp + (x1 + x2) / 2;
  const double cy = sinPhi * cxp + cosPhi * cyp + (y1 + y2) / 2;

  auto angle = [](double ux, double uy, double vx, double vy) {
    return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
  };
  const double theta1 = angle(1, 0, (x1p - cxp) / rx, (y1p - cyp) / ry);
  double delta = angle((x1p - cxp) / rx, (y1p - cyp) / ry, (-x1p - cxp) / rx, (-y1p - cyp) / ry);
  if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
  if (sweep && delta < 0) delta += 2 * std::numbers::pi;

  const int pieces =
      std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - 1e-9)));
  const double step = delta / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  auto frame = [&](double ex, double ey) {
    return Point{cosPhi * ex - sinPhi * ey + cx, sinPhi * ex + cosPhi * ey + cy};
  };
  for (int i = 0; i < pieces; ++i) {
    const double t1 = theta1 + i * step, t2 = t1 + step;
    const double c1x = rx * (std::cos(t1) - k * std::sin(t1));
    const double c1y = ry * (std::sin(t1) + k * std::cos(t1));
    const double c2x = rx * (std::cos(t2) + k * std::sin(t2));
    const double c2y = ry * (std::sin(t2) - k * std::cos(t2));
    // The last piece ends exactly on the requested end point.
    const Point end = i + 1 == pieces ? to : frame(rx * std::cos(t2), ry * std::sin(t2));
    out.cubicTo(frame(c1x, c1y), frame(c2x, c2y), end);
  }
}

}  // namespace qv::host::io
