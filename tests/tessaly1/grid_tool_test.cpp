// The Grid tool through the host: cells in every quadrant, drags that make nothing, the
// checkerboard's first cell, Touch with negative spacing, the two factors of Apply 9, the Box
// frame, and the keys that step the columns and rows or pause a trail.
#include <algorithm>

#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

using namespace items;

class GridToolTest : public Tessaly1Test {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }
  // Lower-left corners of every path, sorted (h, then v).
  std::vector<AIRealPoint> sortedCorners() {
    std::vector<AIRealPoint> found;
    for (const host::Art* path : paths()) found.push_back(corner(*path));
    std::sort(found.begin(), found.end(),
              [](AIRealPoint a, AIRealPoint b) { return a.h != b.h ? a.h < b.h : a.v < b.v; });
    return found;
  }
  void expectCorners(std::vector<AIRealPoint> expected, const std::string& what) {
    std::sort(expected.begin(), expected.end(),
              [](AIRealPoint a, AIRealPoint b) { return a.h != b.h ? a.h < b.h : a.v < b.v; });
    const std::vector<AIRealPoint> got = sortedCorners();
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_TRUE(host::near(got[i], expected[i]))
          << what << ": " << got[i].h << ", " << got[i].v << " for " << expected[i].h << ", "
          << expected[i].v;
    }
  }
};

TEST_F(GridToolTest, TwoByTwoFillsTheCornersOfEveryQuadrant) {
  gridSize(2, 2);
  const AIRealPoint drags[] = {{30, 40}, {-30, 40}, {30, -40}, {-30, -40}};
  for (const AIRealPoint d : drags) {
    newDocument();
    selectedSquare(0, 0, 10);
    EXPECT_EQ(drag({100, 100}, {100 + d.h, 100 + d.v}), kNoErr);
    expectCorners({{0, 0}, {d.h, 0}, {0, d.v}, {d.h, d.v}},
                  "drag " + std::to_string(d.h) + ", " + std::to_string(d.v));
  }
}

TEST_F(GridToolTest, DragsThatSpanNothingMakeNothing) {
  struct Case {
    bool locked;
    AIRealPoint drag;
  };
  // Locked makes the vertical extent the horizontal one: a vertical drag spans nothing.
  const Case cases[] = {{false, {0, 0}}, {true, {0, 50}}, {true, {0, -50}}};
  change(kGridRotation, 45.0);
  for (const Case& c : cases) {
    change(kGridLocked, c.locked);
    newDocument();
    selectedSquare(0, 0, 10);
    const std::string before = dump();
    EXPECT_EQ(drag({100, 100}, {100 + c.drag.h, 100 + c.drag.v}), kNoErr);
    EXPECT_EQ(dump(), before) << "locked " << c.locked << " drag " << c.drag.h << ", " << c.drag.v;
  }
}

TEST_F(GridToolTest, CheckSixLeavesTheObjectInCellZeroZerosPlace) {
  gridSize(3, 3);
  change(kCheck, 6.0);  // cells with an even row + column stay empty
  host::Art& square = selectedSquare(0, 0, 10);
  EXPECT_EQ(drag({100, 100}, {140, 160}), kNoErr);
  // Spacing (20, 30). Cell (0, 1) is the first made: the object itself, left in place.
  expectCorners({{0, 0}, {0, 30}, {40, 30}, {20, 60}}, "check 6");
  EXPECT_TRUE(host::near(corner(square), {0, 0}));
}

TEST_F(GridToolTest, TouchTowardsTheLowerLeftFlipsAndScalesDuplicatesAgain) {
  gridSize(2, 2);
  change(kTouch, true);
  host::Art& square = selectedSquare(0, 0, 10);
  EXPECT_EQ(drag({100, 100}, {80, 70}), kNoErr);
  // Spacing (-20, -30) gives touch factors (-2, -3) about the centre (5, 5).
  const AIRealRect object = bounds(square);
  EXPECT_TRUE(host::near(AIRealPoint{object.left, object.bottom}, {-5, -10}));
  EXPECT_TRUE(host::near(AIRealPoint{object.right, object.top}, {15, 20}));
  EXPECT_TRUE(host::near(square.segments[0].p, {15, 20})) << "the corner (0, 0) went up right";
  const host::Art* cell01 = nullptr;
  for (const host::Art* path : paths()) {
    if (path != &square && host::near(centre(*path), {-15, 5})) cell01 = path;
  }
  ASSERT_NE(cell01, nullptr) << "cell (0, 1): the scaled object scaled again, 20 to the left";
  const AIRealRect b = bounds(*cell01);
  EXPECT_NEAR(b.right - b.left, 40, 1e-3);
  EXPECT_NEAR(b.top - b.bottom, 90, 1e-3);
  EXPECT_TRUE(host::near(cell01->segments[0].p, {-35, -40}));
}

TEST_F(GridToolTest, ApplyNineScalesEachAxisByItsOwnFactor) {
  struct Case {
    bool horizontal;  // the pattern runs along the columns (else the rows)
    int index;
    AIReal width;
    AIReal height;
  };
  const Case cases[] = {{true, 1, 10.f / 4, 10.f / 6},
                        {true, 3, 10.f / 4, 10.f / 6},
                        {true, 4, 10.f / 3, 10.f / 4},
                        {true, 8, 10.f / 3, 10.f / 4},
                        {true, 12, 10, 10},
                        {false, 2, 10.f / 4, 10.f / 6},
                        {false, 4, 10.f / 3, 10.f / 4},
                        {false, 12, 10, 10}};
  for (const Case& c : cases) {
    gridSize(c.horizontal ? 13 : 1, c.horizontal ? 1 : 13);
    change(c.horizontal ? kApplyH : kApplyV, 9.0);
    change(c.horizontal ? kApplyV : kApplyH, 0.0);
    newDocument();
    selectedSquare(0, 0, 10);
    // Spacing 10 along the pattern's axis; cell i is centred at 5 + 10 i there.
    const AIRealPoint to = c.horizontal ? AIRealPoint{220, 100} : AIRealPoint{100, 220};
    EXPECT_EQ(drag({100, 100}, to), kNoErr);
    const AIRealPoint at = c.horizontal ? AIRealPoint{5 + 10.0f * static_cast<AIReal>(c.index), 5}
                                        : AIRealPoint{5, 5 + 10.0f * static_cast<AIReal>(c.index)};
    const host::Art* cell = nullptr;
    for (const host::Art* path : paths()) {
      if (host::near(centre(*path), at)) cell = path;
    }
    ASSERT_NE(cell, nullptr) << "index " << c.index;
    const AIRealRect b = bounds(*cell);
    EXPECT_NEAR(b.right - b.left, c.width, 1e-4) << "horizontal " << c.horizontal << " " << c.index;
    EXPECT_NEAR(b.top - b.bottom, c.height, 1e-4)
        << "horizontal " << c.horizontal << " " << c.index;
  }
}

TEST_F(GridToolTest, BoxDrawsOneUnfilledFrameBehindEachGrid) {
  gridSize(2, 2);
  change(kBox, true);
  selectedSquare(0, 0, 10);
  selectedSquare(100, 0, 10);
  EXPECT_EQ(drag({100, 100}, {130, 140}), kNoErr);
  // Members at 0 and 30 across, 0 and 40 up; half a gap is 10 across and 15 up.
  const AIRealRect frames[] = {{-10, 65, 50, -15}, {90, 65, 150, -15}};
  const std::vector<const host::Art*> all = stack();
  ASSERT_EQ(all.size(), 10u) << "eight members and two frames";
  for (std::size_t i = 0; i < 2; ++i) {
    const host::Art& frame = *all[i];
    const AIRealRect b = bounds(frame);
    const AIRealRect& want = frames[i];
    EXPECT_TRUE(host::near(AIRealPoint{b.left, b.top}, {want.left, want.top})) << "frame " << i;
    EXPECT_TRUE(host::near(AIRealPoint{b.right, b.bottom}, {want.right, want.bottom}))
        << "frame " << i;
    EXPECT_FALSE(frame.style.fillPaint) << "frame " << i;
    EXPECT_TRUE(frame.tags.empty()) << "frame " << i;
  }
  for (std::size_t i = 2; i < all.size(); ++i) {
    EXPECT_TRUE(all[i]->style.fillPaint) << "members keep their fill";
    EXPECT_EQ(all[i]->tags.count("tessaly"), 1u);
  }
}

TEST_F(GridToolTest, TheStepKeyGrowsRowsOrColumnsUpToFortyThenRestartsAtTwo) {
  struct Case {
    int32_t keys;
    std::vector<std::size_t> members;  // after each processed event
  };
  // 2 columns x 39 rows, or 39 x 2 when the columns grow.
  const Case cases[] = {{kStepKey, {80, 4, 6}}, {kStepKey | kPauseKey, {80, 4, 6}}};
  for (const Case& c : cases) {
    const bool columns = (c.keys & kPauseKey) != 0;
    gridSize(columns ? 39 : 2, columns ? 2 : 39);
    newDocument();
    selectedSquare(0, 0, 10);
    EXPECT_EQ(host().mouseDown(tessaly1(), host::DragEvent{{100, 100}, c.keys}), kNoErr);
    std::vector<std::size_t> members;
    for (std::size_t event = 1; event <= c.members.size(); ++event) {
      const AIReal d = 10.0f * static_cast<AIReal>(event);
      EXPECT_EQ(host().mouseDrag(tessaly1(), host::DragEvent{{100 + d, 100 + d}, c.keys}), kNoErr);
      members.push_back(paths().size());
    }
    EXPECT_EQ(host().mouseUp(tessaly1(), host::DragEvent{{130, 130}, c.keys}), kNoErr);
    EXPECT_EQ(members, c.members) << "keys " << c.keys;
  }
}

TEST_F(GridToolTest, WithTrailThePauseKeyMakesNothing) {
  gridSize(2, 2);
  change(kGridTrail, true);
  selectedSquare(0, 0, 10);
  const std::string before = dump();
  EXPECT_EQ(drag({100, 100}, {130, 140}, kPauseKey), kNoErr);
  EXPECT_EQ(dump(), before);
  EXPECT_EQ(drag({100, 100}, {130, 140}), kNoErr);
  EXPECT_EQ(paths().size(), 4u) << "without the key the trail grid is made";
}

}  // namespace
}  // namespace qv::test
