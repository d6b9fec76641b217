// The AI Tag, AI Blend Style, AI Transform Art, AI Shape Construction and AI Random Suites as
// a module calls them: string tags, blending modes and opacity in range, transforms with and
// without line scaling, new rectangles, and the host's random source.
#include <cmath>
#include <limits>
#include <numbers>

#include "AIBlendStyle.h"
#include "AIRandom.h"
#include "AIShapeConstruction.h"
#include "AITag.h"
#include "AITransformArt.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

constexpr AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();
constexpr AIReal kInf = std::numeric_limits<AIReal>::infinity();

class ArtAttributeSuitesTest : public DocumentTest {
 protected:
  const AITagSuite& tags() { return suite<AITagSuite>(kAITagSuite, kAITagSuiteVersion); }
  const AIBlendStyleSuite& blend() {
    return suite<AIBlendStyleSuite>(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion);
  }
  const AITransformArtSuite& transform() {
    return suite<AITransformArtSuite>(kAITransformArtSuite, kAITransformArtSuiteVersion);
  }
  const AIShapeConstructionSuite& shapes() {
    return suite<AIShapeConstructionSuite>(kAIShapeConstructionSuite,
                                           kAIShapeConstructionSuiteVersion);
  }
  const AIRandomSuite& random() {
    return suite<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion);
  }
};

TEST_F(ArtAttributeSuitesTest, StringTagsAreSetAndRead) {
  host::Art& path = square(0, 0, 10);
  ASSERT_EQ(tags().SetTag(path.handle, "tessaly", "string", "tessaly"), kNoErr);
  ASSERT_EQ(tags().SetTag(path.handle, "tessaly", "string", "again"), kNoErr);
  EXPECT_EQ(path.tags, (std::map<std::string, std::string>{{"tessaly", "again"}}));
  const char* value = nullptr;
  ASSERT_EQ(tags().GetTag(path.handle, "tessaly", "string", &value), kNoErr);
  EXPECT_STREQ(value, "again");

  EXPECT_EQ(tags().GetTag(path.handle, "other", "string", &value), kSPNotFoundError);
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(tags().SetTag(path.handle, "n", "integer", "1"), kSPBadParameterError);
  EXPECT_EQ(tags().SetTag(path.handle, "", "string", "1"), kSPBadParameterError);
  EXPECT_EQ(tags().SetTag(path.handle, "n", "string", nullptr), kSPBadParameterError);
  EXPECT_EQ(tags().SetTag(foreignArt(), "n", "string", "1"), kSPBadHandleError);
  EXPECT_EQ(path.tags.size(), 1u);
}

TEST_F(ArtAttributeSuitesTest, BlendingModesAndOpacityStayInRange) {
  host::Art& path = square(0, 0, 10);
  for (int32_t mode = 0; mode <= 15; ++mode) {
    ASSERT_EQ(blend().SetBlendingMode(path.handle, mode), kNoErr) << mode;
    EXPECT_EQ(blend().GetBlendingMode(path.handle), mode);
  }
  EXPECT_EQ(blend().SetBlendingMode(path.handle, 16), kSPBadParameterError);
  EXPECT_EQ(blend().SetBlendingMode(path.handle, -1), kSPBadParameterError);
  EXPECT_EQ(path.blendMode, 15);

  for (const AIReal opacity : {0.0f, 0.5f, 1.0f}) {
    ASSERT_EQ(blend().SetOpacity(path.handle, opacity), kNoErr) << opacity;
    EXPECT_EQ(blend().GetOpacity(path.handle), opacity);
  }
  for (const AIReal bad : {-0.01f, 1.01f, kNaN, kInf}) {
    EXPECT_EQ(blend().SetOpacity(path.handle, bad), kSPBadParameterError) << bad;
  }
  EXPECT_EQ(path.opacity, 1);
  EXPECT_EQ(blend().GetOpacity(foreignArt()), 1);
  EXPECT_EQ(blend().SetOpacity(foreignArt(), 0.5f), kSPBadHandleError);
}

TEST_F(ArtAttributeSuitesTest, LineScaleAppliesOnlyWithTheScaleLinesFlag) {
  struct Case {
    int32_t flags;
    AIReal width;
  };
  const Case cases[] = {{0x13, 6}, {kTransformObjects, 2}, {0x11, 6}};
  for (const Case& c : cases) {
    host::Art& parent = compound(1);
    host::Art& path = *parent.children[0];
    path.style.stroke.width = 2;
    const AIRealMatrix move{1, 0, 0, 1, 5, 7};
    ASSERT_EQ(transform().TransformArt(parent.handle, &move, 3, c.flags), kNoErr);
    EXPECT_EQ(path.style.stroke.width, c.width) << c.flags;
    EXPECT_TRUE(host::near(path.segments[0].p, {5, 7})) << "children move with the container";
    EXPECT_TRUE(host::near(path.segments[0].in, {5, 7}));
  }
}

TEST_F(ArtAttributeSuitesTest, NonFiniteTransformsLeaveTheArtUnchanged) {
  host::Art& path = square(0, 0, 10);
  for (const AIReal bad : {kNaN, kInf}) {
    AIRealMatrix m{1, 0, 0, 1, 0, 0};
    m.c = bad;
    EXPECT_EQ(transform().TransformArt(path.handle, &m, 1, 0x13), kSPBadParameterError);
    const AIRealMatrix identity{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(transform().TransformArt(path.handle, &identity, bad, 0x13), kSPBadParameterError);
  }
  EXPECT_EQ(transform().TransformArt(path.handle, nullptr, 1, 0x13), kSPBadParameterError);
  EXPECT_TRUE(host::near(path.segments[1].p, {0, 10}));
  EXPECT_EQ(path.style.stroke.width, 1);
}

// Twice the signed area: positive when the corners run counter-clockwise (v up).
AIReal signedArea(const host::Art& path) {
  AIReal sum = 0;
  for (std::size_t i = 0; i < path.segments.size(); ++i) {
    const AIRealPoint a = path.segments[i].p;
    const AIRealPoint b = path.segments[(i + 1) % path.segments.size()].p;
    sum += a.h * b.v - b.h * a.v;
  }
  return sum;
}

TEST_F(ArtAttributeSuitesTest, NewRectIsAClosedCornerPathOnTop) {
  host::Art& below = square(0, 0, 5);
  AIArtHandle forward = nullptr;
  AIArtHandle backward = nullptr;
  ASSERT_EQ(shapes().NewRect(40, 10, 20, 30, false, &forward), kNoErr);
  ASSERT_EQ(shapes().NewRect(40, 10, 20, 30, true, &backward), kNoErr);
  EXPECT_EQ(handles(doc().layers().front().art),
            (std::vector<AIArtHandle>{below.handle, forward, backward}));
  const host::Art& rect = *doc().find(forward);
  ASSERT_EQ(rect.segments.size(), 4u);
  EXPECT_TRUE(rect.closed);
  for (const AIPathSegment& segment : rect.segments) {
    EXPECT_TRUE(segment.corner);
    EXPECT_TRUE(host::near(segment.in, segment.p) && host::near(segment.out, segment.p));
  }
  const AIRealRect bounds = doc().bounds(rect).rect;
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.top, 40);
  EXPECT_EQ(bounds.right, 30);
  EXPECT_EQ(bounds.bottom, 20);
  EXPECT_EQ(signedArea(rect), -signedArea(*doc().find(backward)));
  EXPECT_NE(signedArea(rect), 0);

  AIArtHandle none = foreignArt();
  EXPECT_EQ(shapes().NewRect(kNaN, 0, 0, 1, false, &none), kSPBadParameterError);
  EXPECT_EQ(shapes().NewRect(1, 0, 0, kInf, false, &none), kSPBadParameterError);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(shapes().NewRect(1, 0, 0, 1, false, nullptr), kSPBadParameterError);
  EXPECT_EQ(walk().size(), 3u);
}

TEST_F(ArtAttributeSuitesTest, RandomDrawsComeFromTheHostsSource) {
  host().scriptRandom({0.25f, 0.75f});
  EXPECT_EQ(random().FloatRnd(), 0.25f);
  EXPECT_EQ(random().FloatRnd(), 0.75f);

  random().SetRndSeed(5);
  const std::vector<AIReal> first{random().FloatRnd(), random().FloatRnd(), random().FloatRnd()};
  random().SetRndSeed(5);
  const std::vector<AIReal> again{random().FloatRnd(), random().FloatRnd(), random().FloatRnd()};
  EXPECT_EQ(first, again);
  for (const AIReal draw : first) {
    EXPECT_GE(draw, 0);
    EXPECT_LT(draw, 1);
  }
  EXPECT_EQ(host().randomDraws(), 8u);
}

}  // namespace
}  // namespace qv::test
