// Path data and the path writer: every command with relative and implicit forms, arcs and
// quadratics as cubics, errors keeping what came before, and segments walked out and built
// back one for one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "io/path_writer.h"
#include "io/svg_path_data.h"

namespace qv::test {
namespace {

using host::io::Point;

// Records commands as text, coordinates rounded to thousandths.
class Recorder final : public host::io::PathWriter {
 public:
  void moveTo(Point p) override { add("M", {p}); }
  void lineTo(Point p) override { add("L", {p}); }
  void cubicTo(Point c1, Point c2, Point p) override { add("C", {c1, c2, p}); }
  void close() override { add("Z", {}); }
  std::string text;
  std::vector<Point> ends;

 private:
  void add(const char* command, std::initializer_list<Point> points) {
    if (!text.empty()) text += ' ';
    text += command;
    for (const Point& p : points) {
      text += ' ' + number(p.x) + ',' + number(p.y);
    }
    if (points.size() > 0) ends.push_back(*(points.end() - 1));
  }
  static std::string number(double v) {
    const double rounded = std::round(v * 1000) / 1000;
    std::string s = std::to_string(rounded == 0 ? 0 : rounded);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  }
};

struct Case {
  const char* name;
  const char* data;
  const char* commands;
};

TEST(PathData, CommandsBecomeMovesLinesAndCubics) {
  const Case cases[] = {
      {"absolute lines", "M1 2 L3 4 H5 V6 Z", "M 1,2 L 3,4 L 5,4 L 5,6 Z"},
      {"relative lines", "m1 2 l3 4 h5 v6 z", "M 1,2 L 4,6 L 9,6 L 9,12 Z"},
      {"moveto repeats are lines", "M0 0 10 0 10 10m5 5 1 1",
       "M 0,0 L 10,0 L 10,10 M 15,15 L 16,16"},
      {"packed numbers", "M.5.5-1-1L1e1,2E0", "M 0.5,0.5 L -1,-1 L 10,2"},
      {"cubic and smooth cubic", "M0 0 C1 2 3 4 5 6 S9 10 11 12",
       "M 0,0 C 1,2 3,4 5,6 C 7,8 9,10 11,12"},
      {"smooth cubic without a cubic before", "M0 0 S3 4 5 6", "M 0,0 C 0,0 3,4 5,6"},
      {"relative cubic repeats", "m1 1 c1 0 1 1 2 2 1 0 1 1 2 2",
       "M 1,1 C 2,1 2,2 3,3 C 4,3 4,4 5,5"},
      {"quadratic", "M0 0 Q3 3 6 0", "M 0,0 C 2,2 4,2 6,0"},
      {"smooth quadratic reflects", "M0 0 Q3 3 6 0 T12 0", "M 0,0 C 2,2 4,2 6,0 C 8,-2 10,-2 12,0"},
      {"drawing after close starts at the subpath start", "M1 1 L5 1 Z l0 4",
       "M 1,1 L 5,1 Z M 1,1 L 1,5"},
      {"zero radius arc is a line", "M0 0 A0 5 0 0 1 10 0", "M 0,0 L 10,0"},
      {"arc to its own start draws nothing", "M3 3 A5 5 0 0 1 3 3", "M 3,3"},
      {"empty data", "  ", ""},
  };
  for (const Case& c : cases) {
    Recorder recorder;
    EXPECT_FALSE(host::io::readPathData(c.data, recorder).has_value()) << c.name;
    EXPECT_EQ(recorder.text, c.commands) << c.name;
  }
}

TEST(PathData, ArcsPassThroughTheirEndsOnTheEllipse) {
  struct Arc {
    const char* data;
    Point centre;
    double rx, ry;
    int pieces;
  };
  const Arc arcs[] = {
      {"M10 0 A10 10 0 0 1 -10 0", {0, 0}, 10, 10, 2},  // half circle, sweep
      {"M10 0 A10 10 0 1 0 0 10", {0, 0}, 10, 10, 3},   // three quarters, large arc
      {"M0 0 a20 10 0 0 0 40 0", {20, 0}, 20, 10, 2},   // relative ellipse
      {"M0 0 A1 1 0 0 1 100 0", {50, 0}, 50, 50, 2},    // radii scaled up to reach
  };
  for (const Arc& arc : arcs) {
    Recorder recorder;
    ASSERT_FALSE(host::io::readPathData(arc.data, recorder)) << arc.data;
    ASSERT_EQ(static_cast<int>(recorder.ends.size()), 1 + arc.pieces) << arc.data;
    for (const Point& p : recorder.ends) {
      const double dx = (p.x - arc.centre.x) / arc.rx, dy = (p.y - arc.centre.y) / arc.ry;
      EXPECT_NEAR(dx * dx + dy * dy, 1, 1e-9) << arc.data;
    }
  }
}

TEST(PathData, ErrorsGiveTheirOffsetAndKeepWhatCameBefore) {
  struct ErrorCase {
    const char* name;
    const char* data;
    std::size_t offset;
    const char* kept;
  };
  const ErrorCase cases[] = {
      {"does not open with a moveto", "L1 1", 0, ""},
      {"unknown command", "M0 0 L1 1 X2 2", 10, "M 0,0 L 1,1"},
      {"missing number", "M0 0 L1", 5, "M 0,0"},
      {"bad arc flag", "M0 0 A5 5 0 2 1 10 0", 5, "M 0,0"},
      {"numbers after close", "M0 0 L1 1 Z 4 4", 12, "M 0,0 L 1,1 Z"},
  };
  for (const ErrorCase& c : cases) {
    Recorder recorder;
    const auto error = host::io::readPathData(c.data, recorder);
    ASSERT_TRUE(error.has_value()) << c.name;
    EXPECT_EQ(*error, c.offset) << c.name;
    EXPECT_EQ(recorder.text, c.kept) << c.name;
  }
}

TEST(PathWriter, SegmentsWalkedOutAndBuiltBackAreTheSame) {
  const std::vector<AIPathSegment> open{{{0, 0}, {0, 0}, {5, -5}, true},
                                        {{10, 0}, {8, 3}, {12, -3}, false},
                                        {{20, 0}, {20, 0}, {20, 0}, true}};
  const std::vector<AIPathSegment> closedCurvedBack{{{0, 0}, {-3, 2}, {2, 2}, true},
                                                    {{10, 0}, {10, 0}, {10, 0}, true}};
  const std::vector<AIPathSegment> closedStraightBack{{{0, 0}, {0, 0}, {0, 0}, true},
                                                      {{10, 0}, {10, 0}, {10, 0}, true},
                                                      {{10, 10}, {10, 10}, {10, 10}, true}};
  for (const auto* segments : {&open, &closedCurvedBack, &closedStraightBack}) {
    const bool closed = segments != &open;
    host::io::SubpathBuilder builder;
    host::io::walkSegments(*segments, closed, builder);
    const auto subpaths = builder.take();
    ASSERT_EQ(subpaths.size(), 1u);
    EXPECT_EQ(subpaths[0].closed, closed);
    ASSERT_EQ(subpaths[0].segments.size(), segments->size());
    for (std::size_t i = 0; i < segments->size(); ++i) {
      const auto& built = subpaths[0].segments[i];
      const auto& given = (*segments)[i];
      EXPECT_EQ(built.p, (Point{given.p.h, given.p.v})) << i;
      EXPECT_EQ(built.in, (Point{given.in.h, given.in.v})) << i;
      EXPECT_EQ(built.out, (Point{given.out.h, given.out.v})) << i;
      EXPECT_EQ(built.corner, given.corner != 0) << i;
    }
  }
}

TEST(PathWriter, LoneAnchorsAreLeftOutButLoopsAreKept) {
  host::io::SubpathBuilder builder;
  builder.moveTo({1, 1});  // a lone moveto
  builder.moveTo({0, 0});  // a loop back to its own anchor
  builder.cubicTo({10, 10}, {-10, 10}, {0, 0});
  builder.close();
  builder.moveTo({5, 5});
  builder.close();  // a closed lone anchor
  const auto subpaths = builder.take();
  ASSERT_EQ(subpaths.size(), 1u);
  ASSERT_EQ(subpaths[0].segments.size(), 1u);
  EXPECT_EQ(subpaths[0].segments[0].out, (Point{10, 10}));
  EXPECT_EQ(subpaths[0].segments[0].in, (Point{-10, 10}));
}

}  // namespace
}  // namespace qv::test
