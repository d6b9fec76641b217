// The copy tool's gesture as the host drives it: the undo before each drag event and the Trail
// options, the object limit, the Layer option, errors of the host, the snapshot handle from
// mouse down to mouse up, and (through the Grid tool's copies) Slowdown and pen pressure.
#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

constexpr int32_t kLayerCheck = 4;
constexpr int32_t kPlacementPopup = 6;
constexpr int32_t kSlowdown = 9;
constexpr int32_t kPressureCheck = 5;

class DragDriverTest : public Tessaly1Test {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }

  // Undo calls made by the drag events of a gesture (the mouse up makes one more).
  uint64_t undosDuring(int drags) {
    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    const uint64_t before = undoCalls();
    for (int i = 0; i < drags; ++i) EXPECT_EQ(host().mouseDrag(tessaly1(), at(120, 100)), kNoErr);
    const uint64_t made = undoCalls() - before;
    EXPECT_EQ(host().mouseUp(tessaly1(), at(120, 100)), kNoErr);
    return made;
  }
};

TEST_F(DragDriverTest, EveryEventUndoesUnlessTheCurrentToolLeavesATrail) {
  struct Case {
    int32_t tool;
    int32_t trail;  // its "Trail" checkbox; 0 when it has none
    bool trailByDefault;
  };
  const Case tools[] = {{0, 26, false},  {1, 44, false},  {2, 58, false},  {3, 78, false},
                        {4, 97, false},  {5, 125, false}, {6, 148, false}, {7, 187, false},
                        {8, 214, false}, {9, 0, false},   {10, 0, true},   {11, 0, false},
                        {12, 297, false}};
  constexpr int kDrags = 3;
  for (const Case& c : tools) {
    pickTool(c.tool);
    EXPECT_EQ(undosDuring(kDrags), c.trailByDefault ? 0u : kDrags) << "tool " << c.tool;
  }
  // Every Trail ticked: only the tools without one (and the Paint tool, always) differ.
  for (const Case& c : tools) {
    if (c.trail == 0) continue;
    pickTool(c.tool);
    change(c.trail, true);
  }
  for (const Case& c : tools) {
    pickTool(c.tool);
    const bool trail = c.trail != 0 || c.trailByDefault;
    EXPECT_EQ(undosDuring(kDrags), trail ? 0u : kDrags) << "tool " << c.tool << " with trails";
  }
}

TEST_F(DragDriverTest, SelectionsOfMoreThanAThousandObjectsMakeNothing) {
  change(kLayerCheck, true);
  struct Case {
    int objects;
    uint64_t layersPerEvent;
  };
  const Case cases[] = {{1000, 1}, {1001, 0}};
  for (const Case& c : cases) {
    host().setDocument(std::make_unique<host::Document>(612, 792));
    for (int i = 0; i < c.objects; ++i) selectedSquare(static_cast<AIReal>(i % 50) * 12, 0, 10);
    const uint64_t layers = calls("AI Layer Suite", "InsertLayer");
    EXPECT_EQ(undosDuring(2), 2u) << c.objects << " objects: the undo still comes first";
    EXPECT_EQ(calls("AI Layer Suite", "InsertLayer") - layers, 2 * c.layersPerEvent)
        << c.objects << " objects";
  }
}

TEST_F(DragDriverTest, LayerMakesANewLayerEveryEventAndPlacesAbove) {
  change(kPlacementPopup, 1.0);  // " Place beneath"
  change(kSlowdown, 2.0);
  change(kLayerCheck, true);
  const std::size_t layers = host().document().layers().size();
  const uint64_t inserted = calls("AI Layer Suite", "InsertLayer");
  gesture(3);
  EXPECT_EQ(calls("AI Layer Suite", "InsertLayer") - inserted, 3u) << "skipped events too";
  EXPECT_EQ(host().document().layers().size(), layers + 1) << "the last event's layer stays";
  rebuild();
  EXPECT_EQ(selected(kPlacementPopup), 0) << "beneathoptions";
  EXPECT_TRUE(checked(kLayerCheck));
}

TEST_F(DragDriverTest, HostErrorsEndTheEvent) {
  struct Case {
    const char* suite;
    const char* call;
    bool layer;
  };
  const Case cases[] = {{"AI Document Suite", "GetDocumentSize", false},
                        {"AI Layer Suite", "InsertLayer", true}};
  constexpr SPErr kFailure = QV_FOURCC('F', 'A', 'I', 'L');
  for (const Case& c : cases) {
    change(kLayerCheck, c.layer);
    host::CallSite* site = host::CallSiteRegistry::instance().find(c.suite, c.call);
    ASSERT_NE(site, nullptr) << c.call;
    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    site->failCode = kFailure;
    site->failTimes = 1;
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(110, 100)), kFailure) << c.call;
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(120, 100)), kNoErr) << "the next event starts anew";
    EXPECT_EQ(host().mouseUp(tessaly1(), at(120, 100)), kNoErr);
  }
}

TEST_F(DragDriverTest, TheSnapshotIsHeldFromMouseDownToMouseUp) {
  selectedSquare(0, 0, 10);
  EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1()).handles, 1u);
  EXPECT_EQ(host().mouseDrag(tessaly1(), at(110, 100)), kNoErr);
  EXPECT_EQ(host().mouseUp(tessaly1(), at(110, 100)), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1()).handles, 0u);

  // A mouse down that follows one without a mouse up gives the old snapshot back first.
  EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1()).handles, 1u);
  EXPECT_EQ(host().mouseUp(tessaly1(), at(110, 100)), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1()).handles, 0u);
}

TEST_F(DragDriverTest, MouseUpAnswersWithTheUndoResult) {
  constexpr SPErr kFailure = QV_FOURCC('U', 'N', 'D', 'O');
  EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
  host::CallSite* undo = host::CallSiteRegistry::instance().find("AI Undo Suite", "UndoChanges");
  ASSERT_NE(undo, nullptr);
  undo->failCode = kFailure;
  undo->failTimes = 1;
  EXPECT_EQ(host().mouseUp(tessaly1(), at(100, 100)), kFailure);
}

// Slowdown and pressure act only on processed events, which the Grid tool's copies (the
// default tool) make visible.
class ProcessedEventTest : public DragDriverTest {
 protected:
  void SetUp() override {
    DragDriverTest::SetUp();
    selectedSquare(0, 0, 10);
  }
};

TEST_F(ProcessedEventTest, SlowdownProcessesEveryFourthEventWithThree) {
  change(kSlowdown, 3.0);
  const std::size_t original = artCount();
  EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
  std::vector<int> processed;
  for (int event = 1; event <= 8; ++event) {
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(100 + 10.0f * event, 150)), kNoErr);
    // Without a trail an unprocessed event leaves the artwork as it was at mouse down.
    if (artCount() > original) processed.push_back(event);
  }
  EXPECT_EQ(host().mouseUp(tessaly1(), at(180, 150)), kNoErr);
  EXPECT_EQ(processed, (std::vector<int>{4, 7}));
}

TEST_F(ProcessedEventTest, PressureSetsTheOpacityOnlyOnAPressureSystem) {
  struct Case {
    bool systemHasPressure;
    AIReal opacity;
  };
  const Case cases[] = {{true, 128 / 255.0f}, {false, 1.0f}};
  for (const Case& c : cases) {
    restart(host::HostOptions{.systemHasPressure = c.systemHasPressure});
    ASSERT_EQ(selectTool(), kNoErr);
    change(kPressureCheck, true);
    host::Art& square = selectedSquare(0, 0, 10);
    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    EXPECT_EQ(host().mouseDrag(tessaly1(), at(150, 150, 128)), kNoErr);
    std::size_t copies = 0;
    host().document().forEach([&](const host::Art& art) {
      if (art.handle == square.handle || art.type != kPathArt) return;
      ++copies;
      EXPECT_FLOAT_EQ(art.opacity, c.opacity) << "pressure system " << c.systemHasPressure;
    });
    EXPECT_GT(copies, 0u);
    EXPECT_EQ(host().mouseUp(tessaly1(), at(150, 150)), kNoErr);
  }
}

}  // namespace
}  // namespace qv::test
