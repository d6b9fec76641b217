// Walking document segments as commands and building segments from commands.
#include "path_writer.h"

#include <algorithm>
#include <cmath>

namespace qv::host::io {

namespace {
Point point(AIRealPoint p) { return {p.h, p.v}; }

bool retracted(const AIPathSegment& from, const AIPathSegment& to) {
  return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}

bool retracted(const Segment& s) { return s.in == s.p && s.out == s.p; }

// Smooth when both handles stick out and point in opposite directions along one line.
bool smooth(const Segment& s) {
  const double ix = s.in.x - s.p.x, iy = s.in.y - s.p.y;
  const double ox = s.out.x - s.p.x, oy = s.out.y - s.p.y;
  const double inLength = std::hypot(ix, iy), outLength = std::hypot(ox, oy);
  if (inLength < 1e-9 || outLength < 1e-9) return false;
  const double cross = (ix * oy - iy * ox) / (inLength * outLength);
  return std::fabs(cross) < 1e-3 && ix * ox + iy * oy < 0;
}

bool near(Point a, Point b) {
  const double tolerance = 1e-6 * std::max({1.0, std::fabs(a.x), std::fabs(a.y)});
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}
}  // namespace

void walkSegments(std::span<const AIPathSegment> segments, bool closed, PathWriter& out) {
  if (segments.empty()) return;
  out.moveTo(point(segments.front().p));
  for (std::size_t i = 1; i < segments.size(); ++i) {
    out.cubicTo(point(segments[i - 1].out), point(segments[i].in), point(segments[i].p));
  }
  if (!closed) return;
  const AIPathSegment& last = segments.back();
  const AIPathSegment& first = segments.front();
  if (!retracted(last, first)) out.cubicTo(point(last.out), point(first.in), point(first.p));
  out.close();
}

void SubpathBuilder::moveTo(Point p) {
  finish();
  current_.segments.push_back({p, p, p, true});
}

void SubpathBuilder::lineTo(Point p) {
  if (current_.segments.empty()) return moveTo(p);
  current_.segments.push_back({p, p, p, true});
}

void SubpathBuilder::cubicTo(Point c1, Point c2, Point p) {
  if (current_.segments.empty()) return moveTo(p);
  current_.segments.back().out = c1;
  current_.segments.push_back({p, c2, p, true});
}

void SubpathBuilder::close() {
  auto& segments = current_.segments;
  if (segments.empty()) return;
  if (segments.size() > 1 && near(segments.back().p, segments.front().p)) {
    segments.front().in = segments.back().in;
    segments.pop_back();
  }
  current_.closed = true;
  finish();
}

void SubpathBuilder::finish() {
  auto& segments = current_.segments;
  // A closed loop from one anchor back to itself is a shape; any other lone anchor is not.
  const bool loop = current_.closed && segments.size() == 1 && !retracted(segments.front());
  if (segments.size() > 1 || loop) {
    for (Segment& segment : segments) segment.corner = !smooth(segment);
    done_.push_back(std::move(current_));
  }
  current_ = {};
}

std::vector<Subpath> SubpathBuilder::take() {
  finish();
  return std::move(done_);
}

void transformSubpaths(std::vector<Subpath>& subpaths, const AIRealMatrix& m) {
  auto map = [&m](Point& p) { p = {m.a * p.x + m.c * p.y + m.tx, m.b * p.x + m.d * p.y + m.ty}; };
  for (Subpath& subpath : subpaths) {
    for (Segment& s : subpath.segments) {
      map(s.p);
      map(s.in);
      map(s.out);
    }
  }
}

}  // namespace qv::host::io
