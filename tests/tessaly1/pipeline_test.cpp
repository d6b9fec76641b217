// The copy pipeline as the Grid and Drag tools run it through the host: placement above or
// beneath, random omission, line scale, which draws jitter makes, opacity, compound members
// and the random warp, asserted on the document with exact random draws.
#include <cmath>

#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

using namespace items;

constexpr char kTag[] = "tessaly";

class PipelineTest : public Tessaly1Test {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }
  // One gesture that must succeed and must use exactly the scripted draws.
  void dragWith(std::vector<AIReal> draws, AIRealPoint to, AIToolPressure pressure = 0) {
    const uint64_t before = host().randomDraws();
    const std::size_t scripted = draws.size();
    host().scriptRandom(std::move(draws));
    EXPECT_EQ(drag({100, 100}, to, 0, pressure), kNoErr);
    EXPECT_EQ(host().randomDraws() - before, scripted) << "draws made";
  }
};

TEST_F(PipelineTest, PlaceBeneathPutsEveryDuplicateBelowAllArtwork) {
  struct Case {
    double placement;
    std::vector<AIReal> lefts;  // left edges of the layer's art, bottom first
  };
  // An unselected square at 200 and a row of four from the selected square at 0.
  const Case cases[] = {{0, {200, 0, 10, 20, 30}}, {1, {30, 20, 10, 200, 0}}};
  for (const Case& c : cases) {
    restartWithTool();
    pickTool(kDragTool);
    change(kCopies, 4.0);
    change(kPlacement, c.placement);
    host().document().select(selectedSquare(200, 0, 10), false);
    selectedSquare(0, 0, 10);
    EXPECT_EQ(drag({100, 100}, {130, 100}), kNoErr);
    std::vector<AIReal> lefts;
    for (const host::Art* art : stack()) lefts.push_back(bounds(*art).left);
    EXPECT_EQ(lefts, c.lefts) << "placement " << c.placement;
  }
}

TEST_F(PipelineTest, CreateRLeavesTheMadeMembersWhereTheyWouldBeWithoutIt) {
  // Jitter draws of members 0 to 3: vertical sign, horizontal sign, vertical and horizontal
  // magnitude.
  const std::vector<AIReal> jitter[] = {{0.25f, 0.75f, 0.5f, 0.25f},
                                        {0.9f, 0.1f, 0.75f, 0.5f},
                                        {0.6f, 0.6f, 0.125f, 0.375f},
                                        {0.1f, 0.2f, 0.0625f, 0.5f}};
  auto run = [&](bool create, const std::vector<AIReal>& draws) {
    restartWithTool();
    pickTool(kDragTool);
    change(kCopies, 4.0);
    change(kJitterH, 6.0);
    change(kJitterV, 8.0);
    change(kDragCreate, create);
    selectedSquare(0, 0, 10);
    dragWith(draws, {130, 100});
    std::vector<AIRealPoint> corners;
    for (const host::Art* path : paths()) corners.push_back(corner(*path));
    return corners;
  };
  std::vector<AIReal> all;
  for (const auto& member : jitter) all.insert(all.end(), member.begin(), member.end());
  const std::vector<AIRealPoint> without = run(false, all);
  ASSERT_EQ(without.size(), 4u);
  EXPECT_TRUE(host::near(without[2], {16.25f, 3})) << without[2].h << ", " << without[2].v;

  // Members 1 and 3 are left out (draws above 0.5) and draw no jitter.
  std::vector<AIReal> omitting{0.25f};
  omitting.insert(omitting.end(), jitter[0].begin(), jitter[0].end());
  omitting.insert(omitting.end(), {0.75f, 0.5f});
  omitting.insert(omitting.end(), jitter[2].begin(), jitter[2].end());
  omitting.push_back(0.875f);
  const std::vector<AIRealPoint> with = run(true, omitting);
  ASSERT_EQ(with.size(), 2u);
  EXPECT_TRUE(host::near(with[0], without[0])) << "member 0";
  EXPECT_TRUE(host::near(with[1], without[2])) << "member 2";
}

TEST_F(PipelineTest, LineScaleFollowsTheScaleAndAlternateKeepsOddCells) {
  // Touch on a 3 x 3 grid of a 10-point square dragged by (5, 20): every cell is scaled by
  // (0.25, 1), so the line scale is 0.5. Duplicates inherit the scaled object's width.
  struct Case {
    double option;
    AIReal object;      // the selected object's stroke width after the drag
    AIReal evenCells;   // duplicates in cells whose row and column are both even
    AIReal otherCells;  // the other duplicates
  };
  const Case cases[] = {{0, 4, 4, 4}, {1, 2, 1, 1}, {2, 2, 1, 2}};
  for (const Case& c : cases) {
    restartWithTool();
    gridSize(3, 3);
    change(kTouch, true);
    change(kLineWidth, c.option);
    host::Art& square = selectedSquare(0, 0, 10);
    square.style.stroke.width = 4;
    const AIArtHandle object = square.handle;
    EXPECT_EQ(drag({100, 100}, {105, 120}), kNoErr);
    std::size_t duplicates = 0;
    for (const host::Art* path : paths()) {
      const AIReal width = path->style.stroke.width;
      if (path->handle == object) {
        EXPECT_FLOAT_EQ(width, c.object) << "option " << c.option;
        continue;
      }
      ++duplicates;
      const AIRealPoint at = centre(*path);
      const long q = std::lround((at.h - 5) / 2.5f);
      const long r = std::lround((at.v - 5) / 10);
      const bool even = q % 2 == 0 && r % 2 == 0;
      EXPECT_FLOAT_EQ(width, even ? c.evenCells : c.otherCells)
          << "option " << c.option << " cell " << r << ", " << q;
    }
    EXPECT_EQ(duplicates, 8u);
  }
}

TEST_F(PipelineTest, JitterZeroDrawsNothingSoBlendDrawsStayInStep) {
  // A 2 x 2 grid with Blend [R]: one blend draw per member, after four jitter draws when the
  // jitter is set. Modes by member: 0.125 -> 2, 0.375 -> 7, 0.8125 -> 16 -> 0, 0.78125 -> 15.
  const AIReal blends[] = {0.125f, 0.375f, 0.8125f, 0.78125f};
  struct Case {
    double jitter;
    std::size_t jitterDraws;
  };
  const Case cases[] = {{0, 0}, {5, 4}};
  for (const Case& c : cases) {
    restartWithTool();
    gridSize(2, 2);
    change(kGridJitter, c.jitter);
    change(kBlend, true);
    selectedSquare(0, 0, 10);
    std::vector<AIReal> draws;
    for (const AIReal blend : blends) {
      draws.insert(draws.end(), c.jitterDraws, 0.5f);
      draws.push_back(blend);
    }
    dragWith(draws, {120, 130});
    std::vector<int32_t> modes;
    for (const host::Art* art : stack()) modes.push_back(art->blendMode);
    EXPECT_EQ(modes, (std::vector<int32_t>{2, 7, 0, 15})) << "jitter " << c.jitter;
  }
}

TEST_F(PipelineTest, PressureOpacityWinsOverRandomOpacity) {
  struct Case {
    bool random;
    bool pressure;
    std::vector<AIReal> draws;
    std::vector<AIReal> opacities;  // by member, bottom first
  };
  const AIReal pen = 51 / 255.0f;
  const Case cases[] = {{true, false, {0.25f, 0.5f, 0.75f, 0.125f}, {0.25f, 0.5f, 0.75f, 0.125f}},
                        {true, true, {0.25f, 0.5f, 0.75f, 0.125f}, {pen, pen, pen, pen}},
                        {false, true, {}, {pen, pen, pen, pen}}};
  for (const Case& c : cases) {
    restartWithTool(host::HostOptions{.systemHasPressure = true});
    gridSize(2, 2);
    change(kOpacity, c.random);
    change(kPressure, c.pressure);
    selectedSquare(0, 0, 10);
    dragWith(c.draws, {120, 130}, 51);
    std::vector<AIReal> opacities;
    for (const host::Art* art : stack()) opacities.push_back(art->opacity);
    ASSERT_EQ(opacities.size(), c.opacities.size());
    for (std::size_t i = 0; i < opacities.size(); ++i) {
      EXPECT_FLOAT_EQ(opacities[i], c.opacities[i])
          << "random " << c.random << " pressure " << c.pressure << " member " << i;
    }
  }
}

TEST_F(PipelineTest, ACompoundMemberIsRestyledPerChildAndTreatedAsOneOtherwise) {
  gridSize(2, 1);
  change(kWidth, true);
  change(kOpacity, true);
  change(kBlend, true);
  change(kPattern, 4.0);  // mode 1 about the object's centre: three mirrored tiles
  change(kGridWarp, true);
  host::Art& compound = selectedCompound(0, 0, 10, 5);
  for (host::Art* child : compound.children) child->style.stroke.width = 2;
  host::Art* top = compound.children.back();
  host::Art* bottom = compound.children.front();
  // Per member: a width draw per child (top child first), opacity, blend (-> mode 2), then the
  // warp: style 9, bend, horizontal and vertical distortion +0.5 each, no rotation.
  const std::vector<AIReal> member = {0.5f, 0.25f, 0.75f, 0.125f, 0.5f, 0.25f,
                                      0.5f, 0.25f, 0.5f,  0.25f,  0.5f, 0.25f};
  std::vector<AIReal> draws = member;
  draws.insert(draws.end(), member.begin(), member.end());
  dragWith(draws, {150, 100});

  EXPECT_FLOAT_EQ(top->style.stroke.width, 1) << "each child draws its own width";
  EXPECT_FLOAT_EQ(bottom->style.stroke.width, 0.5f);
  EXPECT_FLOAT_EQ(compound.opacity, 0.75f);
  EXPECT_EQ(compound.blendMode, 2);
  EXPECT_TRUE(compound.tags.empty()) << "the compound path itself is not tagged";
  for (const host::Art* child : compound.children) {
    EXPECT_FLOAT_EQ(child->opacity, 1) << "opacity goes to the compound path";
    EXPECT_EQ(child->blendMode, 0);
    EXPECT_EQ(child->tags.count(kTag), 1u) << "its paths are tagged";
  }
  const host::Art* envelope = compound.container.art;
  ASSERT_NE(envelope, nullptr) << "the compound path is warped as one";
  EXPECT_TRUE(envelope->envelope);
  EXPECT_EQ(envelope->children.front(), &compound);
  EXPECT_EQ(envelope->warp.style, 9);
  EXPECT_FLOAT_EQ(envelope->warp.bend, 0.5f);

  // Two members, each with three tiles and a warp shape: ten compound paths of two paths.
  std::size_t compounds = 0;
  std::size_t envelopes = 0;
  host().document().forEach([&](const host::Art& art) {
    if (art.envelope) ++envelopes;
    if (art.type != kCompoundPathArt) return;
    ++compounds;
    EXPECT_EQ(art.children.size(), 2u);
  });
  EXPECT_EQ(compounds, 10u);
  EXPECT_EQ(envelopes, 2u);
}

TEST_F(PipelineTest, WarpStylesZeroSixteenAndSeventeenLeaveTheEnvelopeUnwarped) {
  struct Case {
    AIReal draw;  // the style draw; style = draw x 18
    int32_t style;
  };
  const Case cases[] = {{0, 0}, {0.06f, 1}, {0.86f, 15}, {0.9f, 0}, {0.97f, 0}};
  for (const Case& c : cases) {
    restartWithTool();
    gridSize(2, 1);
    change(kGridWarp, true);
    selectedSquare(0, 0, 10);
    // Bend -0.5, horizontal 0.25, vertical -0.125, rotated.
    const std::vector<AIReal> member = {c.draw, 0.7f, 0.5f, 0.2f, 0.25f, 0.6f, 0.125f, 0.9f};
    std::vector<AIReal> draws = member;
    draws.insert(draws.end(), member.begin(), member.end());
    dragWith(draws, {150, 100});
    std::size_t envelopes = 0;
    host().document().forEach([&](const host::Art& art) {
      if (!art.envelope) return;
      ++envelopes;
      EXPECT_EQ(art.warp.style, c.style) << "draw " << c.draw;
      if (c.style == 0) return;
      EXPECT_FLOAT_EQ(art.warp.bend, -0.5f);
      EXPECT_FLOAT_EQ(art.warp.horizontal, 0.25f);
      EXPECT_FLOAT_EQ(art.warp.vertical, -0.125f);
      EXPECT_TRUE(art.warp.rotate);
    });
    EXPECT_EQ(envelopes, 2u) << "every member is enveloped, draw " << c.draw;
  }
}

}  // namespace
}  // namespace qv::test
