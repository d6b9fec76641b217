// The copy tool's restyling arithmetic: placement for every mode, the fifteen colour modes on
// gray, CMYK and RGB, the swatch choice, and how the styling calls the host.
#include "Styling.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "ColourModes.hpp"
#include "colour_components.h"
#include "fake_suites.h"

namespace styling_test {
namespace {

using colourmodes::Step;
using qv::test::componentsOf;

AIColor gray(AIReal g) {
  AIColor c{};
  c.kind = kGrayColor;
  c.c.g.gray = g;
  return c;
}
AIColor rgb(AIReal r, AIReal g, AIReal b) {
  AIColor c{};
  c.kind = kThreeColor;
  c.c.rgb = {r, g, b};
  return c;
}
AIColor cmyk(AIReal c0, AIReal m, AIReal y, AIReal k) {
  AIColor c{};
  c.kind = kFourColor;
  c.c.f = {c0, m, y, k};
  return c;
}

AIReal scripted(void* context) {
  auto* draws = static_cast<std::deque<AIReal>*>(context);
  const AIReal value = draws->front();
  draws->pop_front();
  return value;
}

void expectComponents(const AIColor& color, const std::vector<AIReal>& expected,
                      const std::string& what) {
  const auto actual = componentsOf(color);
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t j = 0; j < expected.size(); ++j) {
    EXPECT_NEAR(actual[j], expected[j], 1e-5) << what << " component " << j;
  }
}

TEST(ColourModesTest, EveryModeOnEveryKind) {
  const AIColor swatch = rgb(1, 0, 0.5f);
  struct Row {
    int mode;
    AIColor color;
    Step step;
    std::vector<AIReal> expected;
    const char* what;
  };
  const Row rows[] = {
      {1,
       rgb(0.2f, 0.4f, 0.6f),
       {5, 10, 5},
       {0.6f, 0.7f, 0.8f},
       "to white, RGB, the worked example"},
      {1, cmyk(0.2f, 0.4f, 0.6f, 1), {10, 10, 5}, {0, 0, 0, 0}, "to white, CMYK at i = n"},
      {1, gray(0.8f), {1, 4, 2}, {0.6f}, "to white, gray"},
      {2, rgb(0.2f, 0.4f, 0.6f), {10, 10, 5}, {0, 0, 0}, "to black, RGB at i = n"},
      {2, cmyk(0, 0.5f, 1, 0), {5, 10, 5}, {0.5f, 0.75f, 1, 0.5f}, "to black, CMYK"},
      {2, gray(0.2f), {5, 10, 5}, {0.6f}, "to black, gray"},
      {5, rgb(0.2f, 0.4f, 0.6f), {4, 10, 5}, {0.52f, 0.64f, 0.76f}, "white/midpoint before h"},
      {5, rgb(0.5f, 0.5f, 0.5f), {7, 10, 5}, {0.4f, 0.4f, 0.4f}, "white/midpoint after h, RGB"},
      {5, cmyk(0.5f, 0.5f, 0.5f, 0.5f), {7, 10, 5}, {0.6f, 0.6f, 0.6f, 0.6f}, "after h, CMYK"},
      {6, gray(0.2f), {5, 10, 5, &swatch}, {0.6f}, "to swatch by position (swatch's first)"},
      {6, cmyk(0, 0, 0, 0), {10, 10, 5, &swatch}, {1, 0, 0.5f, 0}, "to swatch, CMYK from RGB"},
      {7, rgb(0.8f, 0.4f, 0.2f), {5, 10, 5}, {0.6f, 0.3f, 0.15f}, "to half color"},
      {8, rgb(0.2f, 0.9f, 0), {10, 10, 5}, {0.8f, 0.1f, 1}, "to inverted at i = n"},
      {8, cmyk(0.2f, 0.9f, 0, 1), {5, 10, 5}, {0.5f, 0.5f, 0.5f, 0.5f}, "to inverted at n/2"},
      {9, rgb(0.2f, 0.4f, 0.6f), {1, 10, 5}, {1, 1, 1}, "alternate white, odd, RGB"},
      {9, cmyk(0.2f, 0.4f, 0.6f, 0.1f), {3, 10, 5}, {0, 0, 0, 0}, "alternate white, odd, CMYK"},
      {9, gray(0.7f), {2, 10, 5}, {0.7f}, "alternate white, even"},
      {9, gray(0.7f), {-1, 10, 5}, {0.7f}, "alternate white, -1 is not odd"},
      {10, rgb(0.2f, 0.4f, 0.6f), {1, 10, 5}, {0, 0, 0}, "alternate black, odd, RGB"},
      {10, gray(0.3f), {1, 10, 5}, {1}, "alternate black, odd, gray"},
      {11, gray(0.3f), {1, 10, 5, &swatch}, {1}, "alternate swatch, odd"},
      {11, gray(0.3f), {0, 10, 5, &swatch}, {0.3f}, "alternate swatch, even"},
      {12, rgb(0.2f, 0.4f, 0.6f), {1, 10, 5}, {0.8f, 0.6f, 0.4f}, "alternate inverted"},
      {13, gray(0.9f), {1, 10, 5}, {0.895f}, "half color inverted above 2/3"},
      {13, gray(0.5f), {1, 10, 5}, {0.525f}, "half color inverted below 2/3"},
      {14, rgb(1, 0.5f, 0), {10, 10, 5}, {0.1f, 0.05f, 0}, "10% reduction at i = n"},
      {1, rgb(0.2f, 0.4f, 0.6f), {5, 0, 0}, {0.2f, 0.4f, 0.6f}, "no steps: unchanged"},
      {8, gray(0.3f), {5, 0, 0}, {0.3f}, "no steps: unchanged, inverted"},
      {1, rgb(0.2f, 0.4f, 0.6f), {20, 10, 5}, {1.8f, 1.6f, 1.4f}, "past the steps: no clamp"},
  };
  for (const Row& row : rows) {
    AIColor color = row.color;
    colourmodes::Apply(row.mode, color, row.step, scripted, nullptr);
    expectComponents(color, row.expected, row.what);
  }
}

TEST(ColourModesTest, RandomColorsDrawInOrder) {
  std::deque<AIReal> draws = {0.1f, 0.2f, 0.3f, 0.5f};
  AIColor color = cmyk(0.9f, 0.9f, 0.9f, 0.8f);
  colourmodes::Apply(3, color, {}, scripted, &draws);
  expectComponents(color, {0.1f, 0.2f, 0.3f, 0.4f}, "CMYK: three draws, then black times one");
  EXPECT_TRUE(draws.empty());
  draws = {0.7f};
  color = gray(0.1f);
  colourmodes::Apply(3, color, {}, scripted, &draws);
  expectComponents(color, {0.7f}, "gray: one draw");
}

TEST(ColourModesTest, OtherKindsAreLeftAloneButRandomSwatchesReplacesThem) {
  const AIColor swatch = rgb(0, 1, 0);
  for (int mode = 1; mode <= 14; ++mode) {
    AIColor gradient{};
    gradient.kind = kGradient;
    std::deque<AIReal> draws = {0.5f, 0.5f, 0.5f, 0.5f};
    colourmodes::Apply(mode, gradient, {1, 2, 1, &swatch}, scripted, &draws);
    EXPECT_EQ(gradient.kind, mode == 4 ? kThreeColor : kGradient) << mode;
    EXPECT_EQ(draws.size(), 4u) << "mode " << mode << " drew for a gradient";
  }
}

TEST(ColourModesTest, SwatchChoiceNeverUsesTheFirstTwo) {
  const std::pair<int, int> cases[] = {{-3, 2}, {0, 2}, {1, 2}, {2, 2}, {4, 4}, {5, 5}, {9, 5}};
  for (const auto& [s, chosen] : cases) EXPECT_EQ(colourmodes::ChooseSwatch(s, 5), chosen) << s;
  // Random swatches: trunc(draw * 5) + 1 then the choice gives 2 to 5 for every draw.
  for (AIReal draw = 0; draw < 1; draw += 0.01f) {
    const int s = colourmodes::ChooseSwatch(static_cast<int>(draw * 5) + 1, 5);
    EXPECT_GE(s, 2);
    EXPECT_LE(s, 5);
  }
}

TEST(PlacementTest, EveryModeInOneAndTwoDimensions) {
  struct Row {
    int mode;
    int object;
    bool twoDimensional;
    int row;
    const char* beneath;  // one character per copy index 0..5: 'b' beneath, '.' above
  };
  const Row rows[] = {
      {0, 0, false, 0, "......"},  {1, 0, false, 0, "bbbbbb"},  {2, 0, false, 0, "b.b.b."},
      {2, 0, true, 1, "......"},   {3, 0, false, 0, ".b.b.b"},  {3, 0, true, 1, ".b.b.b"},
      {3, 0, true, -1, "......"},  // -1 is not odd
      {5, 0, false, 0, "b.b.b."},  {5, 1, false, 0, ".b.b.b"},  {5, 1, true, 1, ".b.b.b"},
      {6, 0, false, 0, ".b.b.b"},  {6, 1, true, 0, "b.b.b."},   {7, 0, false, 0, "b.b.b."},
      {7, 1, false, 0, "......"},  {8, 0, true, 1, ".b.b.b"},   {9, 1, false, 0, "b.b.b."},
      {10, 1, true, 3, ".b.b.b"},  {11, 0, false, 0, "b..b.."}, {11, 1, false, 0, ".b..b."},
      {11, 1, true, 1, ".b..b."},  {12, 0, false, 0, ".b..b."}, {12, 1, true, 0, "b..b.."},
      {13, 0, false, 0, "b..b.."}, {13, 1, false, 0, "......"}, {14, 0, true, 1, ".b..b."},
      {15, 1, false, 0, "b..b.."}, {16, 1, true, 4, ".b..b."},  {17, 0, false, 0, "......"},
  };
  fake() = FakeHost{};
  for (const Row& row : rows) {
    std::string result;
    for (int c = 0; c < 6; ++c) {
      result +=
          beneathtest(row.mode, c, row.row, row.object, row.twoDimensional ? 1 : 0) ? 'b' : '.';
    }
    EXPECT_EQ(result, row.beneath) << "mode " << row.mode << " object " << row.object << " row "
                                   << row.row << (row.twoDimensional ? " 2D" : " 1D");
    // Negative copy indexes are never odd.
    if (row.mode == 3) {
      EXPECT_EQ(beneathtest(3, -1, 1, 0, 0), 0);
    }
  }
  EXPECT_EQ(fake().drawsTaken, 0) << "only mode 4 draws";
  fake().draws = {0.6f, 0.4f};
  EXPECT_EQ(beneathtest(4, 0, 0, 0, 0), 1);
  EXPECT_EQ(beneathtest(4, 0, 0, 0, 1), 0);
  EXPECT_EQ(fake().drawsTaken, 2);
}

class StylingCallsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake() = FakeHost{};
    fake().style.fillPaint = false;
    fake().style.fill.color = rgb(0.2f, 0.4f, 0.6f);
    fake().style.strokePaint = false;
    fake().style.stroke.color = gray(0.5f);
    fake().style.stroke.width = 4;
    fake().swatches = {AIColor{}, cmyk(1, 1, 1, 1), gray(0), gray(1), rgb(0, 0, 1)};
  }
};

TEST_F(StylingCallsTest, ModeZeroDoesNotTouchThePath) {
  filloptions(0, fakePath(), 5, 3, 5, 1, 10);
  strokeoptions(0, fakePath(), 5, 3, 5, 1, 10);
  EXPECT_EQ(fake().styleReads, 0);
  EXPECT_EQ(fake().styleWrites, 0);
}

TEST_F(StylingCallsTest, UnknownModeWritesTheStyleBackUnchanged) {
  const AIPathStyle before = fake().style;
  filloptions(15, fakePath(), 5, 3, 5, 1, 10);
  EXPECT_EQ(fake().styleWrites, 1);
  EXPECT_EQ(componentsOf(fake().style.fill.color), componentsOf(before.fill.color));
}

TEST_F(StylingCallsTest, UnreadableStyleWritesNothing) {
  fake().styleReadable = false;
  filloptions(1, fakePath(), 5, 3, 5, 1, 10);
  randomwidth(fakePath());
  EXPECT_EQ(fake().styleWrites, 0);
}

TEST_F(StylingCallsTest, FillAndStrokeEachChangeTheirOwnColour) {
  filloptions(2, fakePath(), 5, 3, 5, 10, 10);
  expectComponents(fake().style.fill.color, {0, 0, 0}, "fill to black");
  expectComponents(fake().style.stroke.color, {0.5f}, "stroke untouched");
  strokeoptions(2, fakePath(), 5, 3, 5, 10, 10);
  expectComponents(fake().style.stroke.color, {1}, "stroke to black (gray ink 1)");
  // Modes 13 and 14 apply to the stroke as to the fill.
  strokeoptions(14, fakePath(), 5, 3, 5, 10, 10);
  expectComponents(fake().style.stroke.color, {0.1f}, "stroke 10% reduction");
}

TEST_F(StylingCallsTest, SwatchModesSwitchThePaintOn) {
  filloptions(6, fakePath(), 5, 4, 5, 10, 10);  // swatch 4: RGB blue
  EXPECT_TRUE(fake().style.fillPaint);
  expectComponents(fake().style.fill.color, {0, 0, 1}, "to swatch 4 at i = n");
  strokeoptions(11, fakePath(), 5, 3, 5, 1, 10);  // swatch 3: gray 1, by position
  EXPECT_TRUE(fake().style.strokePaint);
  expectComponents(fake().style.stroke.color, {1}, "alternate swatch on an odd index");
  // Random swatches: the draw picks swatch trunc(0.5 * 5) + 1 = 3, the whole colour.
  fake().draws = {0.5f};
  filloptions(4, fakePath(), 5, 0, 5, 0, 10);
  EXPECT_EQ(fake().style.fill.color.kind, kGrayColor);
  expectComponents(fake().style.fill.color, {1}, "random swatch 3");
}

TEST_F(StylingCallsTest, SwatchTheHostDoesNotHaveLeavesTheColour) {
  // Swatch numbers count from 0, so number 5 of a list of five is past its end.
  filloptions(6, fakePath(), 5, 7, 5, 10, 10);
  expectComponents(fake().style.fill.color, {0.2f, 0.4f, 0.6f}, "no swatch 5");
  EXPECT_TRUE(fake().style.fillPaint) << "to swatch switches the fill on in any case";
  fake().style.fillPaint = false;
  fake().draws = {0.99f};  // trunc(0.99 * 5) + 1 = 5
  filloptions(4, fakePath(), 5, 0, 5, 0, 10);
  expectComponents(fake().style.fill.color, {0.2f, 0.4f, 0.6f}, "random swatch 5 missing");
  EXPECT_FALSE(fake().style.fillPaint) << "no colour, no paint";
}

TEST_F(StylingCallsTest, RandomWidthScalesByOneDraw) {
  fake().draws = {0.25f};
  randomwidth(fakePath());
  EXPECT_FLOAT_EQ(fake().style.stroke.width, 1.0f);
  fake().style.stroke.width = -2;
  fake().draws = {0.5f};
  randomwidth(fakePath());
  EXPECT_FLOAT_EQ(fake().style.stroke.width, 0.0f);
}

}  // namespace
}  // namespace styling_test
