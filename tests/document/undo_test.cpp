// The AI Undo Suite within a gesture: during a drag it brings back the artwork of mouse down
// (created art gone, changed art restored, disposed art revived under its handle and in its
// place); at mouse up or outside a gesture it keeps the artwork, and the host keeps the whole
// gesture as one step of its history.
#include "AIArt.h"
#include "AILayer.h"
#include "AITransformArt.h"
#include "AIUndo.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

using host::GesturePhase;

class UndoTest : public DocumentTest {
 protected:
  const AIUndoSuite& undo() { return suite<AIUndoSuite>(kAIUndoSuite, kAIUndoSuiteVersion); }
  const AIArtSuite& art() { return suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion); }

  void SetUp() override {
    kept_ = &square(0, 0, 10);
    doomed_ = &square(20, 0, 10);
    square(40, 0, 10);
    before_ = walk();
  }
  void beginGesture(GesturePhase phase) {
    doc().beginGesture();
    host().setGesturePhase(phase);
  }
  // What a drag event does: a duplicate, a transform, a disposal and a new layer.
  AIArtHandle change() {
    AIArtHandle copy = nullptr;
    EXPECT_EQ(art().DuplicateArt(kept_->handle, kPlaceAboveAll, kept_->handle, &copy), kNoErr);
    const AIRealMatrix move{1, 0, 0, 1, 100, 0};
    EXPECT_EQ(suite<AITransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion)
                  .TransformArt(kept_->handle, &move, 2, 0x13),
              kNoErr);
    EXPECT_EQ(art().DisposeArt(doomed_->handle), kNoErr);
    AILayerHandle layer = nullptr;
    EXPECT_EQ(suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion)
                  .InsertLayer(nullptr, kPlaceAboveAll, &layer),
              kNoErr);
    return copy;
  }
  void expectAsAtMouseDown() {
    EXPECT_EQ(walk(), before_);
    EXPECT_EQ(doc().layers().size(), 1u);
    EXPECT_EQ(doc().currentLayer(), doc().layers().front().handle);
    EXPECT_TRUE(host::near(kept_->segments[0].p, {0, 0}));
    EXPECT_EQ(kept_->style.stroke.width, 1);
    EXPECT_EQ(doc().find(doomed_->handle), doomed_) << "revived under the same handle";
  }

  host::Art* kept_ = nullptr;
  host::Art* doomed_ = nullptr;
  std::vector<AIArtHandle> before_;
};

TEST_F(UndoTest, DuringADragTheArtworkOfMouseDownComesBack) {
  for (const GesturePhase phase : {GesturePhase::Drag, GesturePhase::MouseDown}) {
    beginGesture(phase);
    const AIArtHandle copy = change();
    ASSERT_EQ(undo().UndoChanges(), kNoErr);
    expectAsAtMouseDown();
    EXPECT_EQ(doc().find(copy), nullptr) << "created art is gone";
    doc().endGesture();
    host().setGesturePhase(GesturePhase::None);
  }
}

TEST_F(UndoTest, EachDragEventStartsAgainFromMouseDown) {
  beginGesture(GesturePhase::Drag);
  change();
  ASSERT_EQ(undo().UndoChanges(), kNoErr);
  change();
  ASSERT_EQ(undo().UndoChanges(), kNoErr);
  expectAsAtMouseDown();
}

TEST_F(UndoTest, AtMouseUpTheArtworkIsKeptAsOneHistoryStep) {
  beginGesture(GesturePhase::Drag);
  change();
  host().setGesturePhase(GesturePhase::MouseUp);
  const std::vector<AIArtHandle> result = walk();
  ASSERT_EQ(undo().UndoChanges(), kNoErr);
  EXPECT_EQ(walk(), result);
  EXPECT_TRUE(host::near(kept_->segments[0].p, {100, 0}));
  doc().endGesture();
  host().setGesturePhase(GesturePhase::None);

  EXPECT_EQ(doc().historySize(), 1u);
  ASSERT_TRUE(doc().undoLastStep());
  expectAsAtMouseDown();
  EXPECT_FALSE(doc().undoLastStep());
}

TEST_F(UndoTest, OutsideAGestureNothingChanges) {
  const AIRealMatrix move{1, 0, 0, 1, 100, 0};
  doc().transform(*kept_, move, 1, kTransformObjects);
  ASSERT_EQ(undo().UndoChanges(), kNoErr);
  EXPECT_TRUE(host::near(kept_->segments[0].p, {100, 0}));
  EXPECT_EQ(walk(), before_);
}

}  // namespace
}  // namespace qv::test
