// The one interface path geometry is written through (move, line, cubic, close): SVG path data
// and basic shapes are read into it, document segments are walked out through it by the SVG
// writer, and tests record it. Points are doubles so that import rounds to the document's
// floats once, after the last transform. Pure geometry; touches nothing else.
#pragma once

#include <span>
#include <vector>

#include "AITypes.h"

namespace qv::host::io {

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

class PathWriter {
 public:
  virtual ~PathWriter() = default;
  virtual void moveTo(Point p) = 0;
  virtual void lineTo(Point p) = 0;
  virtual void cubicTo(Point c1, Point c2, Point p) = 0;
  virtual void close() = 0;
};

// Walks a path as commands: moveTo the first anchor, then one cubic per segment (a straight
// segment is a cubic whose handles sit on its anchors). A closed path ends with the closing
// cubic, left out when that segment is straight, then close.
void walkSegments(std::span<const AIPathSegment> segments, bool closed, PathWriter& out);

// A segment as import builds it: the anchor, the handle towards the previous segment (in) and
// the one towards the next (out), and whether the anchor is a corner.
struct Segment {
  Point p, in, out;
  bool corner = true;
};

struct Subpath {
  std::vector<Segment> segments;
  bool closed = false;
};

// Collects commands into subpaths. A close whose last anchor lands on the first one merges
// the two, so that a path written by walkSegments reads back segment for segment. A subpath
// with a single anchor draws nothing and is left out, unless it is a closed loop.
class SubpathBuilder final : public PathWriter {
 public:
  void moveTo(Point p) override;
  void lineTo(Point p) override;
  void cubicTo(Point c1, Point c2, Point p) override;
  void close() override;
  // The finished subpaths, each anchor marked a corner unless its handles are smooth.
  std::vector<Subpath> take();

 private:
  void finish();
  std::vector<Subpath> done_;
  Subpath current_;
};

// Maps every anchor and handle through m, in double precision.
void transformSubpaths(std::vector<Subpath>& subpaths, const AIRealMatrix& m);

}  // namespace qv::host::io
