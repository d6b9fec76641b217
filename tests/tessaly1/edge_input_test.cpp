// The Grid and Drag tools with options at the edges of their ranges and with the host out of
// memory: the document never holds a number that is not finite, the largest counts finish, and
// a drag event that fails leaves the document as it was before that event.
#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

using namespace items;

class EdgeInputTest : public Tessaly1Test {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }
  // A selected open path from (h0, v0) to (h1, v1).
  host::Art& selectedLine(AIReal h0, AIReal v0, AIReal h1, AIReal v1) {
    host::Art& art = host().document().create(kPathArt);
    for (const AIRealPoint p : {AIRealPoint{h0, v0}, AIRealPoint{h1, v1}}) {
      art.segments.push_back({p, p, p, true});
    }
    host().document().select(art, true);
    return art;
  }
};

TEST_F(EdgeInputTest, OptionsAtTheEdgesOfTheirRangesKeepEveryNumberFinite) {
  enum Art { Square, VerticalLine, HorizontalLine, Point };
  struct Case {
    const char* what;
    int columns;
    int rows;
    Art art;
    AIRealPoint drag;
  };
  // Touch, Box, Warp [R], a mirror tile and line scaling on every grid.
  const Case cases[] = {{"one column", 1, 5, Square, {0, 80}},
                        {"one row", 5, 1, Square, {80, 0}},
                        {"one cell", 1, 1, Square, {40, 40}},
                        {"one column, horizontal drag", 1, 5, Square, {80, 0}},
                        {"zero-width art", 3, 3, VerticalLine, {40, 40}},
                        {"zero-height art", 3, 3, HorizontalLine, {40, -40}},
                        {"a single point", 3, 3, Point, {-40, 40}},
                        {"horizontal drag, rows collapse", 3, 3, Square, {40, 0}}};
  for (const Case& c : cases) {
    restartWithTool();
    gridSize(c.columns, c.rows);
    change(kTouch, true);
    change(kBox, true);
    change(kGridWarp, true);
    change(kGridJitter, 1000.0);
    change(kPattern, 15.0);
    change(kLineWidth, 1.0);
    switch (c.art) {
      case Square:
        selectedSquare(0, 0, 10);
        break;
      case VerticalLine:
        selectedLine(0, 0, 0, 10);
        break;
      case HorizontalLine:
        selectedLine(0, 0, 10, 0);
        break;
      case Point:
        selectedLine(3, 3, 3, 3);
        break;
    }
    EXPECT_EQ(drag({100, 100}, {100 + c.drag.h, 100 + c.drag.v}), kNoErr) << c.what;
    expectFinite(c.what);
  }

  // The Drag tool at its extremes: 500 copies, jitter 1000, a full turn back, locked, warped.
  restartWithTool();
  pickTool(kDragTool);
  change(kCopies, 500.0);
  change(kDragRotation, -360.0);
  change(kJitterH, 1000.0);
  change(kJitterV, 1000.0);
  change(kDragLocked, true);
  change(kDragWarp, true);
  change(kPattern, 57.0);
  selectedLine(0, 0, 0, 10);
  EXPECT_EQ(drag({100, 100}, {100.5f, 100}), kNoErr);
  EXPECT_GE(paths().size(), 500u);
  expectFinite("drag tool");
}

TEST_F(EdgeInputTest, TheLargestCountsFinishInOneEvent) {
  struct Case {
    const char* what;
    int32_t tool;
    int objects;
    std::size_t members;
  };
  const Case cases[] = {{"grid 300 x 300", kGridTool, 1, 300u * 300u},
                        {"500 copies of 300 objects", kDragTool, 300, 500u * 300u}};
  for (const Case& c : cases) {
    restartWithTool();
    pickTool(c.tool);
    if (c.tool == kGridTool) {
      gridSize(300, 300);
    } else {
      change(kCopies, 500.0);
    }
    for (int i = 0; i < c.objects; ++i) selectedSquare(static_cast<AIReal>(i % 20) * 12, 0, 10);
    EXPECT_EQ(drag({100, 100}, {400, 400}), kNoErr) << c.what;
    EXPECT_EQ(paths().size(), c.members) << c.what;
    expectFinite(c.what);
  }
}

TEST_F(EdgeInputTest, AnEventThatRunsOutOfMemoryLeavesTheDocumentAsBefore) {
  struct Case {
    const char* what;
    int32_t tool;
    bool trail;
    bool layer;
    const char* suite;
    const char* call;
  };
  const Case cases[] = {
      {"grid", kGridTool, false, false, "AI Art Suite", "DuplicateArt"},
      {"grid with trail", kGridTool, true, false, "AI Art Suite", "DuplicateArt"},
      {"grid with a new layer", kGridTool, false, true, "AI Art Suite", "DuplicateArt"},
      {"drag with warp", kDragTool, false, false, "AI Envelope Suite", "MakeEnvelope"},
      {"drag with warp and trail", kDragTool, true, false, "AI Envelope Suite", "MakeEnvelope"}};
  for (const Case& c : cases) {
    restartWithTool();
    pickTool(c.tool);
    if (c.tool == kGridTool) {
      gridSize(3, 3);
      change(kGridTrail, c.trail);
    } else {
      change(kCopies, 5.0);
      change(kDragWarp, true);
      change(kDragTrail, c.trail);
    }
    change(kLayer, c.layer);
    selectedSquare(0, 0, 10);
    const std::string original = dump();
    host::CallSite* site = host::CallSiteRegistry::instance().find(c.suite, c.call);
    ASSERT_NE(site, nullptr) << c.call;

    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(130, 130)), kNoErr) << c.what;
    const std::string before = dump();
    site->failCode = kSPOutOfMemoryError;
    site->failAfter = 3;
    site->failTimes = 1;
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(160, 150)), kSPOutOfMemoryError) << c.what;
    EXPECT_EQ(dump(), before) << c.what << ": the failed event left nothing behind";
    // The gesture goes on from there, and its undo still restores the original document.
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(160, 150)), kNoErr) << c.what;
    EXPECT_GT(artCount(), 1u) << c.what;
    EXPECT_EQ(host().mouseUp(tessaly1(), at(160, 150)), kNoErr);
    expectFinite(c.what);
    ASSERT_TRUE(host().document().undoLastStep()) << c.what;
    EXPECT_EQ(dump(), original) << c.what << ": the gesture's undo";
    site->failCode = kNoErr;
  }
}

}  // namespace
}  // namespace qv::test
