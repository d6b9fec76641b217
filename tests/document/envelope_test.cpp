// The AI Envelope Suite as a module calls it: an envelope takes the member's place and holds
// the member and the shape, its warp is checked and kept, its bounds are those of the warped
// member, and a drag's undo takes it apart again.
#include <limits>

#include "AIArt.h"
#include "AIEnvelope.h"
#include "AIUndo.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

constexpr AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();

class EnvelopeTest : public DocumentTest {
 protected:
  const AIEnvelopeSuite& envelopes() {
    return suite<AIEnvelopeSuite>(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion);
  }
  const std::vector<host::Art*>& layerArt() { return doc().layers().front().art; }

  void SetUp() override {
    below_ = &square(-50, 0, 10);
    member_ = &square(0, 0, 100);
    above_ = &square(200, 0, 10);
    shape_ = &square(0, 0, 100);  // on top, as a duplicate of the member would be
  }
  // Wraps the member; returns the envelope's handle.
  AIArtHandle wrap() {
    AIArtHandle art = member_->handle;
    AIArtHandle envelope = nullptr;
    const AIEnvelopeOptions options{0, 50};
    EXPECT_EQ(envelopes().MakeEnvelope(&art, 1, shape_->handle, &options, &envelope), kNoErr);
    EXPECT_EQ(art, envelope) << "the member's handle is replaced by the envelope";
    return envelope;
  }

  host::Art* below_ = nullptr;
  host::Art* member_ = nullptr;
  host::Art* above_ = nullptr;
  host::Art* shape_ = nullptr;
};

TEST_F(EnvelopeTest, TheEnvelopeTakesTheMembersPlaceAndHoldsMemberAndShape) {
  const AIArtHandle handle = wrap();
  const host::Art* envelope = doc().find(handle);
  ASSERT_NE(envelope, nullptr);
  EXPECT_EQ(envelope->type, kPluginArt);
  EXPECT_TRUE(envelope->envelope);
  EXPECT_EQ(handles(layerArt()),
            (std::vector<AIArtHandle>{below_->handle, handle, above_->handle}));
  EXPECT_EQ(handles(envelope->children),
            (std::vector<AIArtHandle>{member_->handle, shape_->handle}));
  EXPECT_EQ(member_->container.art, envelope);
}

TEST_F(EnvelopeTest, BadRequestsLeaveTheDocumentAsItWas) {
  host::Art& parent = compound(2);
  const AIArtHandle child = parent.children[0]->handle;
  const std::vector<AIArtHandle> before = walk();
  struct Case {
    const char* what;
    AIArtHandle member;
    int16_t count;
    AIArtHandle shape;
  };
  const Case cases[] = {
      {"no member", nullptr, 1, shape_->handle},
      {"a foreign member", foreignArt(), 1, shape_->handle},
      {"a foreign shape", member_->handle, 1, foreignArt()},
      {"the member as its own shape", member_->handle, 1, member_->handle},
      {"a shape inside the member", parent.handle, 1, child},
      {"a member inside the shape", child, 1, parent.handle},
      {"no art", member_->handle, 0, shape_->handle},
      {"two members", member_->handle, 2, shape_->handle},
  };
  for (const Case& c : cases) {
    AIArtHandle art = c.member;
    AIArtHandle envelope = foreignArt();
    EXPECT_NE(envelopes().MakeEnvelope(&art, c.count, c.shape, nullptr, &envelope), kNoErr)
        << c.what;
    EXPECT_EQ(envelope, nullptr) << c.what;
    EXPECT_EQ(art, c.member) << c.what;
  }
  AIArtHandle art = member_->handle;
  EXPECT_EQ(envelopes().MakeEnvelope(&art, 1, shape_->handle, nullptr, nullptr),
            kSPBadParameterError);
  EXPECT_EQ(envelopes().MakeEnvelope(nullptr, 1, shape_->handle, nullptr, &art),
            kSPBadParameterError);
  EXPECT_EQ(walk(), before);
}

TEST_F(EnvelopeTest, WarpsAreCheckedAndKept) {
  const AIArtHandle handle = wrap();
  struct Case {
    int32_t style;
    AIReal bend;
    AIReal horizontal;
    AIReal vertical;
  };
  const Case bad[] = {{0, 0.5f, 0, 0},   {16, 0.5f, 0, 0}, {1, 1.5f, 0, 0},
                      {1, 0, -1.01f, 0}, {1, 0, 0, kNaN},  {1, kNaN, 0, 0}};
  for (const Case& c : bad) {
    EXPECT_EQ(envelopes().SetEnvelopeWarp(handle, c.style, c.bend, c.horizontal, c.vertical, 0),
              kSPBadParameterError)
        << c.style << " " << c.bend << " " << c.horizontal << " " << c.vertical;
  }
  EXPECT_EQ(doc().find(handle)->warp.style, 0);
  EXPECT_EQ(envelopes().SetEnvelopeWarp(below_->handle, 1, 0.5f, 0, 0, 0), kSPBadParameterError)
      << "not an envelope";
  EXPECT_EQ(envelopes().SetEnvelopeWarp(foreignArt(), 1, 0.5f, 0, 0, 0), kSPBadHandleError);

  ASSERT_EQ(envelopes().SetEnvelopeWarp(handle, 15, -1, 1, -0.5f, 1), kNoErr);
  const host::Warp& warp = doc().find(handle)->warp;
  EXPECT_EQ(warp.style, 15);
  EXPECT_EQ(warp.bend, -1);
  EXPECT_EQ(warp.horizontal, 1);
  EXPECT_EQ(warp.vertical, -0.5f);
  EXPECT_TRUE(warp.rotate);
}

TEST_F(EnvelopeTest, BoundsAreThoseOfTheWarpedMember) {
  const AIArtHandle handle = wrap();
  AIRealRect bounds{};
  const auto& art = suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
  ASSERT_EQ(art.GetArtBounds(handle, &bounds), kNoErr);
  EXPECT_EQ(bounds.top, 100) << "unwarped, the member's own bounds";

  // Rise: the right side goes up and the left side down, by bend / 2 of the half height.
  ASSERT_EQ(envelopes().SetEnvelopeWarp(handle, 11, 0.5f, 0, 0, 0), kNoErr);
  ASSERT_EQ(art.GetArtBounds(handle, &bounds), kNoErr);
  EXPECT_FLOAT_EQ(bounds.left, 0);
  EXPECT_FLOAT_EQ(bounds.right, 100);
  EXPECT_FLOAT_EQ(bounds.top, 112.5f);
  EXPECT_FLOAT_EQ(bounds.bottom, -12.5f);
  EXPECT_EQ(member_->segments[2].p.v, 100) << "the document keeps the member unwarped";
}

TEST_F(EnvelopeTest, UndoDuringADragTakesTheEnvelopeApart) {
  const std::vector<AIArtHandle> before = handles(layerArt());
  doc().beginGesture();
  host().setGesturePhase(host::GesturePhase::Drag);
  const AIArtHandle handle = wrap();
  ASSERT_EQ(envelopes().SetEnvelopeWarp(handle, 1, 0.5f, 0, 0, 0), kNoErr);
  ASSERT_EQ(suite<AIUndoSuite>(kAIUndoSuite, kAIUndoSuiteVersion).UndoChanges(), kNoErr);
  EXPECT_EQ(handles(layerArt()), before);
  EXPECT_EQ(doc().find(handle), nullptr);
  EXPECT_EQ(member_->container.layer, doc().currentLayer());
  EXPECT_EQ(member_->container.art, nullptr);
}

}  // namespace
}  // namespace qv::test
