// The warp styles as pure maps: identity without bend or distortion, every style moving the
// member, continuity, the distortions as perspective, the rotate flag, degenerate boxes, and
// the warped paths of an envelope's member (nested envelopes included).
#include "document/warp.h"

#include <algorithm>
#include <cmath>

#include "document_fixture.h"

namespace qv::test {
namespace {

using host::Warp;
using host::warpPoint;

constexpr AIRealRect kBox{0, 100, 200, 0};  // left, top, right, bottom

// Points inside the box, on its edges and outside it (where handles may lie).
std::vector<AIRealPoint> samples() {
  std::vector<AIRealPoint> points;
  for (AIReal h = -40; h <= 240; h += 20) {
    for (AIReal v = -20; v <= 120; v += 10) points.push_back({h, v});
  }
  return points;
}

TEST(WarpTest, NoBendAndNoDistortionLeavesEveryPointExactly) {
  for (int32_t style = 0; style <= 16; ++style) {
    const Warp none{style, 0, 0, 0, false};
    for (const AIRealPoint p : samples()) {
      const AIRealPoint q = warpPoint(none, kBox, p);
      EXPECT_TRUE(q.h == p.h && q.v == p.v) << style << " at " << p.h << ", " << p.v;
    }
  }
  const Warp unknown{16, 0.8f, 0.5f, 0.5f, false};
  EXPECT_EQ(warpPoint(unknown, kBox, {30, 40}).v, 40) << "an unknown style does nothing";
}

TEST(WarpTest, EveryStyleMovesTheMemberContinuously) {
  for (int32_t style = 1; style <= 15; ++style) {
    const Warp warp{style, 0.6f, 0, 0, false};
    double moved = 0;
    for (const AIRealPoint p : samples()) {
      const AIRealPoint q = warpPoint(warp, kBox, p);
      ASSERT_TRUE(std::isfinite(q.h) && std::isfinite(q.v)) << style;
      moved = std::max(moved, std::hypot(double{q.h} - p.h, double{q.v} - p.v));
      // A step of a hundredth of a point moves the result by little: no jumps.
      const AIRealPoint next = warpPoint(warp, kBox, {p.h + 0.01f, p.v + 0.01f});
      EXPECT_LT(std::hypot(next.h - q.h, next.v - q.v), 1.0)
          << style << " at " << p.h << ", " << p.v;
    }
    EXPECT_GT(moved, 5) << "style " << style << " bends";
  }
}

TEST(WarpTest, DistortionsActAsPerspective) {
  const Warp horizontal{1, 0, 0.5f, 0, false};
  // The right side grows taller and the left side shorter; the centre line stays.
  EXPECT_GT(warpPoint(horizontal, kBox, {200, 100}).v, 100);
  EXPECT_LT(warpPoint(horizontal, kBox, {0, 100}).v, 100);
  EXPECT_FLOAT_EQ(warpPoint(horizontal, kBox, {100, 100}).v, 100);
  EXPECT_FLOAT_EQ(warpPoint(horizontal, kBox, {200, 50}).v, 50);

  const Warp vertical{1, 0, 0, 0.5f, false};
  // The top grows wider and the bottom narrower.
  EXPECT_GT(warpPoint(vertical, kBox, {200, 100}).h, 200);
  EXPECT_LT(warpPoint(vertical, kBox, {200, 0}).h, 200);
  EXPECT_FLOAT_EQ(warpPoint(vertical, kBox, {100, 0}).h, 100);
}

TEST(WarpTest, RotatedTheBendRunsAcrossTheOtherAxis) {
  const AIRealPoint centre{100, 50};
  const AIRealPoint upright = warpPoint({1, 0.5f, 0, 0, false}, kBox, centre);
  const AIRealPoint rotated = warpPoint({1, 0.5f, 0, 0, true}, kBox, centre);
  EXPECT_FLOAT_EQ(upright.h, 100);
  EXPECT_GT(upright.v, 50);
  EXPECT_GT(rotated.h, 100);
  EXPECT_FLOAT_EQ(rotated.v, 50);
}

TEST(WarpTest, AFlatBoxStaysFinite) {
  const AIRealRect flat{0, 10, 200, 10};
  for (int32_t style = 1; style <= 15; ++style) {
    const AIRealPoint q = warpPoint({style, 1, 1, 1, false}, flat, {50, 10});
    EXPECT_TRUE(std::isfinite(q.h) && std::isfinite(q.v)) << style;
    EXPECT_EQ(q.v, 10) << style;
  }
}

using WarpedMemberTest = DocumentTest;

TEST_F(WarpedMemberTest, EveryPathOfTheMemberIsWarpedWithinTheMembersBounds) {
  host::Art& parent = doc().create(kCompoundPathArt);
  host::Art& left = square(0, 0, 100, {nullptr, &parent});
  host::Art& right = square(100, 0, 100, {nullptr, &parent});
  host::Art& envelope = doc().makeEnvelope(parent, square(0, 0, 200));
  envelope.warp = {11, 0.5f, 0, 0, false};  // rise over the 200-wide member

  const auto paths = host::warpedMember(doc(), envelope);
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_EQ(paths[0].path, &left);
  EXPECT_EQ(paths[1].path, &right);
  // The far right corner rises by a quarter of the half height (50).
  EXPECT_FLOAT_EQ(paths[1].segments[3].p.v, 12.5f);
  EXPECT_FLOAT_EQ(paths[1].segments[3].in.v, 12.5f) << "handles move with anchors";
  EXPECT_FLOAT_EQ(right.segments[3].p.v, 0) << "the member itself is kept";
  EXPECT_TRUE(host::warpedMember(doc(), left).empty()) << "a path is no envelope";
}

TEST_F(WarpedMemberTest, ANestedEnvelopeWarpsFirst) {
  host::Art& member = square(0, 0, 100);
  host::Art& inner = doc().makeEnvelope(member, square(0, 0, 100));
  inner.warp = {11, 0.5f, 0, 0, false};
  host::Art& outer = doc().makeEnvelope(inner, square(0, 0, 100));
  const auto unwarped = host::warpedMember(doc(), outer);
  ASSERT_EQ(unwarped.size(), 1u);
  EXPECT_FLOAT_EQ(unwarped[0].segments[3].p.v, 12.5f) << "the inner warp shows through";

  outer.warp = {11, 0.5f, 0, 0, false};
  // Outer box: v from -12.5 to 112.5 (half height 62.5); the corner rises by a quarter of it.
  const auto twice = host::warpedMember(doc(), outer);
  EXPECT_FLOAT_EQ(twice[0].segments[3].p.v, 12.5f + 62.5f / 4);
}

}  // namespace
}  // namespace qv::test
