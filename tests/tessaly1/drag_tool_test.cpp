// The Drag tool through the host: the row of copies along the drag, no copies without a drag,
// the axis lock, the keys that step the count, pause a trail and move the selection.
#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

using namespace items;

class DragToolTest : public Tessaly1Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(selectTool(), kNoErr);
    pickTool(kDragTool);
  }
  std::vector<AIRealPoint> corners() {
    std::vector<AIRealPoint> found;
    for (const host::Art* path : paths()) found.push_back(corner(*path));
    return found;
  }
};

TEST_F(DragToolTest, NoMovementMakesNoCopiesAndLeavesTheObject) {
  change(kDragRotation, 30.0);
  host::Art& square = selectedSquare(0, 0, 10);
  const std::string before = dump();
  EXPECT_EQ(drag({100, 100}, {100, 100}), kNoErr);
  EXPECT_EQ(dump(), before);
  EXPECT_TRUE(square.tags.empty()) << "the object is not even tagged";
}

TEST_F(DragToolTest, TwoCopiesAreTheTurnedObjectAndOneAtTheWholeDrag) {
  change(kCopies, 2.0);
  change(kDragRotation, 90.0);
  host::Art& square = selectedSquare(0, 0, 10);
  EXPECT_EQ(drag({100, 100}, {140, 130}), kNoErr);
  const std::vector<const host::Art*> all = paths();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0], &square) << "the first member is the object itself, in its place";
  // A quarter turn about the square's centre (5, 5) takes its first corner (0, 0) to (10, 0);
  // the copy inherits the turn and moves by the drag (40, 30).
  EXPECT_TRUE(host::near(all[0]->segments[0].p, {10, 0}));
  EXPECT_TRUE(host::near(all[1]->segments[0].p, {50, 30}));
  for (const host::Art* path : all) EXPECT_EQ(path->tags.count("tessaly"), 1u);
}

TEST_F(DragToolTest, TheAxisLockCountsExactDiagonalsAsVertical) {
  struct Case {
    AIRealPoint drag;
    bool vertical;
  };
  const Case cases[] = {{{30, 30}, true},  {{-30, 30}, true}, {{30, -30}, true}, {{-30, -30}, true},
                        {{30, 29}, false}, {{29, 30}, true},  {{-30, 0}, false}, {{0, -30}, true}};
  change(kCopies, 4.0);
  change(kDragLocked, true);
  for (const Case& c : cases) {
    newDocument();
    selectedSquare(0, 0, 10);
    EXPECT_EQ(drag({100, 100}, {100 + c.drag.h, 100 + c.drag.v}), kNoErr);
    const AIReal step = (c.vertical ? c.drag.v : c.drag.h) / 3;
    std::vector<AIRealPoint> expected;
    for (int i = 0; i < 4; ++i) {
      const AIReal offset = step * static_cast<AIReal>(i);
      expected.push_back(c.vertical ? AIRealPoint{0, offset} : AIRealPoint{offset, 0});
    }
    const std::vector<AIRealPoint> got = corners();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_TRUE(host::near(got[i], expected[i]))
          << "drag " << c.drag.h << ", " << c.drag.v << " member " << i << " at " << got[i].h
          << ", " << got[i].v;
    }
  }
}

TEST_F(DragToolTest, TheStepKeyGrowsTheCountUpToFortyThenRestartsAtTwo) {
  struct Case {
    double copies;
    std::vector<std::size_t> rows;  // members after each processed event
  };
  const Case cases[] = {{38, {39, 40, 2, 3}}, {100, {2, 3}}};
  for (const Case& c : cases) {
    change(kCopies, c.copies);
    newDocument();
    selectedSquare(0, 0, 10);
    EXPECT_EQ(host().mouseDown(tessaly1(), host::DragEvent{{100, 100}, kStepKey}), kNoErr);
    std::vector<std::size_t> rows;
    for (std::size_t event = 1; event <= c.rows.size(); ++event) {
      const AIRealPoint to{100 + 10.0f * static_cast<AIReal>(event), 100};
      EXPECT_EQ(host().mouseDrag(tessaly1(), host::DragEvent{to, kStepKey}), kNoErr);
      rows.push_back(paths().size());
    }
    EXPECT_EQ(host().mouseUp(tessaly1(), host::DragEvent{{140, 100}, kStepKey}), kNoErr);
    EXPECT_EQ(rows, c.rows) << "from " << c.copies;
  }
}

TEST_F(DragToolTest, PauseAndMoveKeysActOnlyWithTrail) {
  struct Case {
    bool trail;
    int32_t keys;
    std::size_t paths;
    AIRealPoint object;  // the selected object's lower-left corner afterwards
  };
  const Case cases[] = {{true, kPauseKey, 1, {0, 0}},
                        {true, kMoveKey, 1, {30, 20}},
                        {false, kPauseKey, 4, {0, 0}},
                        {false, kMoveKey, 4, {0, 0}}};
  change(kCopies, 4.0);
  for (const Case& c : cases) {
    change(kDragTrail, c.trail);
    newDocument();
    host::Art& square = selectedSquare(0, 0, 10);
    EXPECT_EQ(host().mouseDown(tessaly1(), host::DragEvent{{100, 100}, c.keys}), kNoErr);
    for (const AIRealPoint to : {AIRealPoint{110, 110}, AIRealPoint{130, 120}}) {
      EXPECT_EQ(host().mouseDrag(tessaly1(), host::DragEvent{to, c.keys}), kNoErr);
    }
    EXPECT_EQ(host().mouseUp(tessaly1(), host::DragEvent{{130, 120}, c.keys}), kNoErr);
    EXPECT_EQ(paths().size(), c.paths) << "trail " << c.trail << " keys " << c.keys;
    EXPECT_TRUE(host::near(corner(square), c.object)) << "trail " << c.trail << " keys " << c.keys;
  }
}

TEST_F(DragToolTest, AfterTheMoveKeyATrailStartsItsRowAtTheNewPlace) {
  change(kCopies, 4.0);
  change(kDragTrail, true);
  selectedSquare(0, 0, 10);
  EXPECT_EQ(host().mouseDown(tessaly1(), host::DragEvent{{100, 100}}), kNoErr);
  EXPECT_EQ(host().mouseDrag(tessaly1(), host::DragEvent{{120, 110}, kMoveKey}), kNoErr);
  EXPECT_EQ(host().mouseDrag(tessaly1(), host::DragEvent{{150, 110}}), kNoErr);
  EXPECT_EQ(host().mouseUp(tessaly1(), host::DragEvent{{150, 110}}), kNoErr);
  const std::vector<AIRealPoint> got = corners();
  const std::vector<AIRealPoint> expected = {{20, 10}, {30, 10}, {40, 10}, {50, 10}};
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_TRUE(host::near(got[i], expected[i])) << "member " << i;
  }
}

}  // namespace
}  // namespace qv::test
