// The point-drag tool's gesture as the host drives it: what the drag modes and their options
// do to the selected points, which segments are written, the blends, the keys, the random
// restyling with its draws in order, the trace copies, and snapshots that hold nothing.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "colour_components.h"
#include "pivora_fixture.h"

namespace qv::test {
namespace {

using namespace pivora_ids;

constexpr AIReal kTolerance = 1e-3f;

void expectPoint(AIRealPoint actual, AIRealPoint expected, const std::string& what) {
  EXPECT_NEAR(actual.h, expected.h, kTolerance) << what << " h";
  EXPECT_NEAR(actual.v, expected.v, kTolerance) << what << " v";
}
void expectPoints(const host::Art& art, const std::vector<Point3>& expected,
                  const std::string& what) {
  ASSERT_EQ(art.segments.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string at = what + ", point " + std::to_string(i);
    expectPoint(art.segments[i].p, expected[i].p, at + " anchor");
    expectPoint(art.segments[i].in, expected[i].in, at + " in");
    expectPoint(art.segments[i].out, expected[i].out, at + " out");
  }
}
// The points of `art` as they are now.
std::vector<Point3> pointsOf(const host::Art& art) {
  std::vector<Point3> points;
  for (const AIPathSegment& s : art.segments) points.push_back({s.p, s.in, s.out});
  return points;
}

class PointDragTest : public PivoraTest {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }
};

TEST_F(PointDragTest, ModesAndTheirOptionsMoveTheSelectedPoints) {
  // threePoints(): anchors (200, 300), (250, 350), (300, 300), handles 10 either side.
  struct Case {
    const char* name;
    int32_t mode;
    std::vector<std::pair<int32_t, bool>> ticks;
    AIRealPoint drag;
    std::vector<Point3> expected;
  };
  const Case cases[] = {
      {"mode 2, Horizontal only: anchors to the cursor's h",
       2,
       {{kVertical, false}},
       {50, 20},
       {{{150, 300}, {190, 300}, {210, 300}},
        {{150, 350}, {250, 340}, {250, 360}},
        {{150, 300}, {310, 300}, {290, 300}}}},
      {"mode 3, Swap in/out: anchors by (20, 10)",
       3,
       {{kSwap, true}},
       {10, 20},
       {{{220, 310}, {190, 300}, {210, 300}},
        {{270, 360}, {250, 340}, {250, 360}},
        {{320, 310}, {310, 300}, {290, 300}}}},
      {"mode 3, Locked over Swap in/out: anchors by (20, 20)",
       3,
       {{kLocked, true}, {kSwap, true}},
       {10, 20},
       {{{220, 320}, {190, 300}, {210, 300}},
        {{270, 370}, {250, 340}, {250, 360}},
        {{320, 320}, {310, 300}, {290, 300}}}},
      {"mode 5 by (100, 100): handles stay", 5, {}, {100, 100}, {}},
      {"mode 5 by (50, 200): handle offsets halved across, doubled up",
       5,
       {},
       {50, 200},
       {{{200, 300}, {195, 300}, {205, 300}},
        {{250, 350}, {250, 330}, {250, 370}},
        {{300, 300}, {305, 300}, {295, 300}}}},
      {"mode 6: handles to the corner, anchors by the drag",
       6,
       {},
       {10, 20},
       {{{210, 320}, {0, 0}, {0, 0}}, {{260, 370}, {0, 0}, {0, 0}}, {{310, 320}, {0, 0}, {0, 0}}}},
      {"mode 7: handles to the document centre",
       7,
       {},
       {10, 20},
       {{{210, 320}, {306, 396}, {306, 396}},
        {{260, 370}, {306, 396}, {306, 396}},
        {{310, 320}, {306, 396}, {306, 396}}}},
      {"mode 2, Pre-swap: handles exchanged, anchors to the cursor",
       2,
       {{kPreSwap, true}},
       {50, 20},
       {{{150, 120}, {210, 300}, {190, 300}},
        {{150, 120}, {250, 360}, {250, 340}},
        {{150, 120}, {290, 300}, {310, 300}}}},
      {"mode 4, no In component: only out handles move",
       4,
       {{kInComponent, false}},
       {10, 20},
       {{{200, 300}, {190, 300}, {220, 320}},
        {{250, 350}, {250, 340}, {260, 380}},
        {{300, 300}, {310, 300}, {300, 320}}}},
  };
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    host::Art& art = threePoints();
    const std::vector<Point3> expected = c.expected.empty() ? pointsOf(art) : c.expected;
    pickMode(c.mode);
    for (const auto& [id, on] : c.ticks) change(id, on);
    dragBy(c.drag);
    expectPoints(art, expected, c.name);
    for (const auto& [id, on] : c.ticks) change(id, !on);
  }
}

TEST_F(PointDragTest, AZeroDragVectorOnlyUndoesTheEventBefore) {
  pickMode(3);
  host::Art& art = threePoints();
  const std::vector<Point3> before = pointsOf(art);
  EXPECT_EQ(host().mouseDown(pivora(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().mouseDrag(pivora(), at(150, 100)), kNoErr);
  EXPECT_NEAR(art.segments[0].p.h, 250, kTolerance) << "the first event moved the anchors";
  const uint64_t writes = segmentWrites();
  const uint64_t undos = calls("AI Undo Suite", "UndoChanges");
  EXPECT_EQ(host().mouseDrag(pivora(), at(100, 100)), kNoErr);
  EXPECT_EQ(segmentWrites(), writes);
  EXPECT_EQ(calls("AI Undo Suite", "UndoChanges"), undos + 1);
  EXPECT_EQ(host().mouseUp(pivora(), at(100, 100)), kNoErr);
  expectPoints(art, before, "back at the start");
}

TEST_F(PointDragTest, HandlesStopAtTheLimitFromTheirAnchor) {
  pickMode(4);
  struct Case {
    double limit;
    AIRealPoint handle;  // both handles, which start at the anchor (200, 300)
  };
  const Case cases[] = {{1000, {1200, -700}}, {20000, {1700, -900}}, {0, {200, 300}}};
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    change(kLimit, c.limit);
    host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
    dragBy({1500, -1200});
    expectPoints(art, {{{200, 300}, c.handle, c.handle}}, "limit " + std::to_string(c.limit));
  }
}

TEST_F(PointDragTest, OnlySelectedSegmentsAreWrittenAndAlternatingSkipsOddOnes) {
  pickMode(3);
  const std::vector<Point3> four = {{{0, 0}, {0, 0}, {0, 0}},
                                    {{10, 0}, {10, 0}, {10, 0}},
                                    {{20, 0}, {20, 0}, {20, 0}},
                                    {{30, 0}, {30, 0}, {30, 0}}};
  struct Case {
    const char* name;
    std::initializer_list<int> selected;
    bool alternating;
    std::vector<int> changed;
  };
  const Case cases[] = {{"points 1 and 3", {1, 3}, false, {1, 3}},
                        {"points 0 to 2, Alternating", {0, 1, 2}, true, {0, 2}}};
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    change(kAlternating, c.alternating);
    host::Art& art = path(four, c.selected);
    const uint64_t writes = segmentWrites();
    dragBy({5, 0});
    EXPECT_EQ(segmentWrites() - writes, c.changed.size()) << c.name;
    std::vector<Point3> expected = four;
    for (const int i : c.changed) expected[i].p.h += 5;
    expectPoints(art, expected, c.name);
  }
}

TEST_F(PointDragTest, EachSelectedComponentOfACompoundPathIsHandled) {
  pickMode(3);
  host::Art& compound = host().document().create(kCompoundPathArt);
  const host::Container inside{nullptr, &compound};
  host::Art& outer = path({{{0, 0}, {0, 0}, {0, 0}}, {{100, 0}, {100, 0}, {100, 0}}}, {}, inside);
  host::Art& inner = path({{{40, 40}, {40, 40}, {40, 40}}}, {}, inside);
  host().document().select(compound, true);
  const std::vector<Point3> outerBefore = pointsOf(outer);
  const std::vector<Point3> innerBefore = pointsOf(inner);
  dragBy({7, 3});
  std::vector<Point3> outerAfter = outerBefore, innerAfter = innerBefore;
  for (Point3& point : outerAfter) point.p = {point.p.h + 7, point.p.v + 3};
  for (Point3& point : innerAfter) point.p = {point.p.h + 7, point.p.v + 3};
  expectPoints(outer, outerAfter, "outer component");
  expectPoints(inner, innerAfter, "inner component");
  EXPECT_TRUE(compound.segments.empty());
}

TEST_F(PointDragTest, BlendsFollowTheInterpolationOptionsAndPressure) {
  pickMode(4);  // both handles + D; the anchor stays
  struct Case {
    const char* name;
    bool systemHasPressure;
    bool pressure;
    AIToolPressure level;
    double in, out;
    AIReal inShare, outShare;  // of the drag (100, 0) that each handle moves
  };
  const Case cases[] = {
      {"defaults", false, false, 0, 100, 100, 1, 1},
      {"in 50, out 25", false, false, 0, 50, 25, 0.5f, 0.25f},
      {"pressure 51 on a pressure system", true, true, 51, 100, 100, 0.2f, 0.2f},
      {"pressure on a system without it", false, true, 51, 100, 50, 1, 0.5f},
  };
  for (const Case& c : cases) {
    restart(host::HostOptions{.systemHasPressure = c.systemHasPressure});
    ASSERT_EQ(selectTool(), kNoErr);
    pickMode(4);
    change(kPressure, c.pressure);
    change(kInterpolateIn, c.in);
    change(kInterpolateOut, c.out);
    host::Art& art = path({{{200, 300}, {190, 300}, {210, 300}}}, {0});
    gesture(kStart, {at(200, 100, 0, c.level)});
    expectPoints(art, {{{200, 300}, {190 + 100 * c.inShare, 300}, {210 + 100 * c.outShare, 300}}},
                 c.name);
  }
}

TEST_F(PointDragTest, KeysMoveTheStartStepTheBlendsAndPauseATrail) {
  pickMode(3);
  host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});

  // 0x20: the event only moves the start; the next one measures from there.
  gesture(kStart, {at(150, 100, kADMShiftKeyModifier), at(160, 100)});
  EXPECT_NEAR(art.segments[0].p.h, 210, kTolerance) << "moved by 10 from the new start";

  // 0x200: the three blends go from 100 past 100 to 0, then to 1; the dialog keeps showing 100.
  host().setDocument(std::make_unique<host::Document>(612, 792));
  host::Art& stepped = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
  gesture(kStart, {at(200, 100, kADMCtrlKeyModifier)});
  EXPECT_NEAR(stepped.segments[0].p.h, 200, kTolerance) << "blend 0 keeps the unedited point";
  gesture(kStart, {at(200, 100, kADMCtrlKeyModifier)});
  EXPECT_NEAR(stepped.segments[0].p.h, 201, kTolerance) << "blend 1 %";
  EXPECT_EQ(number(kInterpolatePoint), 100);
  // Any change of a control reads the dialog back, and so its 100.
  change(kPressure, true);
  gesture(kStart, {at(200, 100)});
  EXPECT_NEAR(stepped.segments[0].p.h, 301, kTolerance) << "blend 100 % again";

  // 0x40 with Trail: the event does nothing (not even the undo a trail leaves out anyway).
  host().setDocument(std::make_unique<host::Document>(612, 792));
  host::Art& paused = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
  change(kTrail, true);
  gesture(kStart, {at(110, 100), at(130, 100, kADMAltKeyModifier)});
  EXPECT_NEAR(paused.segments[0].p.h, 210, kTolerance);
  std::size_t copies = 0;
  host().document().forEach([&](const host::Art&) { ++copies; });
  EXPECT_EQ(copies, 2u) << "the path and the trace of the first event only";
}

TEST_F(PointDragTest, RandomOptionsDrawInOrder) {
  for (const int32_t id : {kTypePathRandom, kTypePointRandom, kDragOrNot, kAnchorRandom,
                           kWeightRandom, kOpacityRandom}) {
    change(id, true);
  }
  struct Case {
    const char* name;
    AIReal dragOrNot;
    Point3 first;  // point 0 (selected) after the event; point 1 (not selected) never moves
  };
  // Type/path picks mode 3 (anchor add), point 0's Type/Point mode 3 as well, point 1's 10.
  const Case cases[] = {
      {"written", 0.4f, {{210, 300}, {200, 300}, {210, 300}}},
      {"Drag or not above 0.5: not written", 0.6f, {{200, 300}, {190, 300}, {210, 300}}}};
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    host::Art& art =
        path({{{200, 300}, {190, 300}, {210, 300}}, {{300, 300}, {300, 300}, {300, 300}}}, {0});
    host().scriptRandom({0.28f, 0.3f, c.dragOrNot, 0.5f, 0.5f, 0.5f, 0.5f, 0.95f, 0.3f, 0.7f});
    const uint64_t draws = host().randomDraws();
    dragBy({10, 0});
    EXPECT_EQ(host().randomDraws() - draws, 10u) << c.name;
    expectPoints(art, {c.first, {{300, 300}, {300, 300}, {300, 300}}}, c.name);
    EXPECT_NEAR(art.style.stroke.width, 3, kTolerance) << c.name;
    EXPECT_NEAR(art.opacity, 0.7f, kTolerance) << c.name;
  }
}

TEST_F(PointDragTest, RandomColoursFollowTheColourKind) {
  struct Case {
    const char* name;
    bool stroke;
    AIColor colour;
    std::vector<AIReal> draws;
    AIColor expected;
  };
  const Case cases[] = {
      {"gray fill", false, host::grayColor(0.5f), {0.25f}, host::grayColor(0.25f)},
      {"RGB fill",
       false,
       host::rgbColor(1, 1, 1),
       {0.1f, 0.2f, 0.3f},
       host::rgbColor(0.1f, 0.2f, 0.3f)},
      {"CMYK fill: black scaled by its draw",
       false,
       host::cmykColor(0.1f, 0.2f, 0.3f, 0.8f),
       {0.4f, 0.5f, 0.6f, 0.5f},
       host::cmykColor(0.4f, 0.5f, 0.6f, 0.4f)},
      {"no fill", false, host::noColor(), {}, host::noColor()},
      {"RGB stroke",
       true,
       host::rgbColor(0, 0, 0),
       {0.7f, 0.8f, 0.9f},
       host::rgbColor(0.7f, 0.8f, 0.9f)},
  };
  for (const Case& c : cases) {
    change(kFillRandom, !c.stroke);
    change(kStrokeRandom, c.stroke);
    host().setDocument(std::make_unique<host::Document>(612, 792));
    host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
    (c.stroke ? art.style.stroke.color : art.style.fill.color) = c.colour;
    host().scriptRandom(c.draws);
    const uint64_t draws = host().randomDraws();
    dragBy({10, 0});
    EXPECT_EQ(host().randomDraws() - draws, c.draws.size()) << c.name;
    const AIColor& now = c.stroke ? art.style.stroke.color : art.style.fill.color;
    EXPECT_EQ(now.kind, c.expected.kind) << c.name;
    const std::vector<AIReal> got = componentsOf(now);
    const std::vector<AIReal> want = componentsOf(c.expected);
    ASSERT_EQ(got.size(), want.size()) << c.name;
    for (std::size_t j = 0; j < got.size(); ++j) {
      EXPECT_NEAR(got[j], want[j], kTolerance) << c.name << " component " << j;
    }
  }
}

TEST_F(PointDragTest, RandomSwatchesSkipTheFirstTwo) {
  // Five swatches counted from 0: numbers 2 to 5 are drawn, and number 5 is past the end.
  struct Case {
    bool stroke;
    AIReal draw;
    int swatch;  // -1: the colour stays
  };
  const Case cases[] = {{false, 0.0f, 2},  {false, 0.25f, 2},  {false, 0.45f, 3},
                        {false, 0.65f, 4}, {false, 0.85f, -1}, {true, 0.45f, 3}};
  for (const Case& c : cases) {
    change(kFillSwatchRandom, !c.stroke);
    change(kStrokeSwatchRandom, c.stroke);
    host().setDocument(std::make_unique<host::Document>(612, 792));
    std::vector<host::Swatch>& swatches = host().document().swatches();
    swatches.clear();
    for (int s = 0; s < 5; ++s) {
      swatches.push_back({"swatch " + std::to_string(s), host::rgbColor(0.1f * s, 0, 0)});
    }
    host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
    art.style.fill.color = host::grayColor(1);
    art.style.stroke.color = host::grayColor(1);
    art.style.fillPaint = false;
    art.style.strokePaint = false;
    host().scriptRandom({c.draw});
    dragBy({10, 0});
    const std::string name =
        std::string(c.stroke ? "stroke" : "fill") + " draw " + std::to_string(c.draw);
    const AIColor& colour = c.stroke ? art.style.stroke.color : art.style.fill.color;
    const AIBoolean paint = c.stroke ? art.style.strokePaint : art.style.fillPaint;
    if (c.swatch < 0) {
      EXPECT_EQ(colour.kind, kGrayColor) << name;
      EXPECT_FALSE(paint) << name;
      continue;
    }
    EXPECT_EQ(colour.kind, kThreeColor) << name;
    EXPECT_NEAR(colour.c.rgb.red, 0.1f * c.swatch, kTolerance) << name;
    EXPECT_TRUE(paint) << name;
  }
}

TEST_F(PointDragTest, TrailLeavesATraceCopyPerEvent) {
  pickMode(3);
  change(kTrail, true);
  struct Case {
    const char* name;
    bool beneath;
    bool layer;
    std::size_t newLayers;
  };
  const Case cases[] = {{"above", false, false, 0},
                        {"beneath", true, false, 0},
                        {"new layer", false, true, 3},
                        {"beneath makes no layer", true, true, 0}};
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    change(kTrailBeneath, c.beneath);
    change(kTrailLayer, c.layer);
    const std::size_t layers = host().document().layers().size();
    host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {0});
    gesture(kStart, {at(110, 100), at(120, 100), at(130, 100)});
    // Edits add up: +10, then +20, then +30.
    EXPECT_NEAR(art.segments[0].p.h, 260, kTolerance) << c.name;
    std::vector<AIReal> traces;
    host().document().forEach([&](const host::Art& a) {
      if (a.handle != art.handle) traces.push_back(a.segments.at(0).p.h);
    });
    std::sort(traces.begin(), traces.end());
    EXPECT_EQ(traces, (std::vector<AIReal>{210, 230, 260})) << c.name;
    ASSERT_EQ(host().document().layers().size(), layers + c.newLayers) << c.name;
    const host::Layer* home = host().document().layer(art.container.layer);
    ASSERT_NE(home, nullptr) << c.name;
    EXPECT_EQ(c.beneath ? home->art.front() : home->art.back(), &art) << c.name;
  }
}

TEST_F(PointDragTest, PathsWithoutSelectedPointsAreRestyledButNotWritten) {
  change(kWeightRandom, true);
  pickMode(2);
  host::Art& art = path({{{200, 300}, {200, 300}, {200, 300}}}, {}, {}, true);
  const std::vector<Point3> before = pointsOf(art);
  host().scriptRandom({0.5f});
  const uint64_t writes = segmentWrites();
  dragBy({10, 10});
  EXPECT_EQ(segmentWrites(), writes);
  expectPoints(art, before, "no point selected");
  EXPECT_NEAR(art.style.stroke.width, 5, kTolerance);
}

// Snapshots that hold nothing: the drag changes nothing and reports nothing.
class EmptySnapshotTest : public PointDragTest {};

TEST_F(EmptySnapshotTest, NoSelectedPathMeansNoChange) {
  change(kWeightRandom, true);
  host::Art& placed = host().document().create(kPlacedArt);
  host().document().select(placed, true);
  host::Art& idle = path({{{200, 300}, {200, 300}, {200, 300}}}, {});
  const AIReal width = idle.style.stroke.width;
  const uint64_t draws = host().randomDraws();
  EXPECT_EQ(host().mouseDown(pivora(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().holdings(pivora()).handles, 0u);
  EXPECT_EQ(host().mouseDrag(pivora(), at(150, 150)), kNoErr);
  EXPECT_EQ(host().mouseUp(pivora(), at(150, 150)), kNoErr);
  EXPECT_EQ(host().randomDraws(), draws);
  EXPECT_EQ(idle.style.stroke.width, width);
  EXPECT_TRUE(alerts().empty());
}

TEST_F(EmptySnapshotTest, AFailedMatchingRequestChangesNothing) {
  pickMode(3);
  host::Art& art = threePoints();
  dragBy({10, 0});  // a snapshot of one path, released
  const std::vector<Point3> before = pointsOf(art);
  constexpr SPErr kFailure = QV_FOURCC('M', 'T', 'C', 'H');
  host::CallSite& matching = site("AI Matching Art Suite", "GetMatchingArt");
  matching.failCode = kFailure;
  matching.failTimes = 1;
  EXPECT_EQ(host().mouseDown(pivora(), at(100, 100)), kFailure);
  EXPECT_EQ(host().holdings(pivora()).handles, 0u);
  const uint64_t writes = segmentWrites();
  EXPECT_EQ(host().mouseDrag(pivora(), at(150, 100)), kNoErr);
  EXPECT_EQ(host().mouseUp(pivora(), at(150, 100)), kNoErr);
  EXPECT_EQ(segmentWrites(), writes);
  expectPoints(art, before, "after the failed request");
}

TEST_F(PointDragTest, AShutdownBeforeTheMouseUpGivesTheSnapshotBack) {
  threePoints();
  EXPECT_EQ(host().mouseDown(pivora(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().holdings(pivora()).handles, 1u);
  EXPECT_EQ(host().shutdown(pivora()), kNoErr);
  EXPECT_EQ(host().holdings(pivora()).handles, 0u);
}

TEST_F(PointDragTest, HostErrorsEndTheEventAndAreReturned) {
  pickMode(3);
  host::Art& art = threePoints();
  constexpr SPErr kFailure = QV_FOURCC('S', 'E', 'G', 'S');
  host::CallSite& write = site("AI Path Suite", "SetPathSegments");
  EXPECT_EQ(host().mouseDown(pivora(), at(100, 100)), kNoErr);
  write.failCode = kFailure;
  write.failAfter = 1;
  write.failTimes = 1;
  const uint64_t writes = segmentWrites();
  const uint64_t reads = calls("AI Path Suite", "GetPathSegments");
  EXPECT_EQ(host().mouseDrag(pivora(), at(110, 100)), kFailure);
  // Point 0 was written, point 1 failed, and point 2 was never read.
  EXPECT_EQ(segmentWrites() - writes, 2u);
  EXPECT_EQ(calls("AI Path Suite", "GetPathSegments") - reads, 2u);
  EXPECT_EQ(host().mouseDrag(pivora(), at(120, 100)), kNoErr) << "the next event starts anew";
  EXPECT_EQ(host().mouseUp(pivora(), at(120, 100)), kNoErr);
  EXPECT_NEAR(art.segments[0].p.h, 220, kTolerance);
  EXPECT_NEAR(art.segments[1].p.h, 270, kTolerance);
  EXPECT_NEAR(art.segments[2].p.h, 320, kTolerance);
}

}  // namespace
}  // namespace qv::test
