// The AI Real Math Suite as a module calls it: a matrix that turns and scales about a pivot,
// the order appended operations act in, point angles in (-pi, pi], interpolation weighted
// toward the first point, and non-finite arguments leaving the outputs alone.
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

#include "AIRealMath.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

constexpr AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();
constexpr AIReal kInf = std::numeric_limits<AIReal>::infinity();
constexpr AIReal kPi = std::numbers::pi_v<AIReal>;

class RealMathTest : public DocumentTest {
 protected:
  const AIRealMathSuite& math() {
    return suite<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
  }
};

TEST_F(RealMathTest, TurnsAndScalesAboutAPivot) {
  struct Case {
    AIRealPoint pivot;
    AIReal sh;
    AIReal sv;
  };
  const Case cases[] = {{{0, 0}, 1, 1}, {{100, 50}, 2, 2}, {{-30, 400}, 0.5f, 3}};
  for (const Case& c : cases) {
    AIRealMatrix m{};
    math().AIRealMatrixSetTranslate(&m, -c.pivot.h, -c.pivot.v);
    math().AIRealMatrixConcatRotate(&m, math().DegreeToRadian(90));
    math().AIRealMatrixConcatScale(&m, c.sh, c.sv);
    math().AIRealMatrixConcatTranslate(&m, c.pivot.h, c.pivot.v);
    EXPECT_TRUE(host::near(host::apply(m, c.pivot), c.pivot, 1e-3f)) << c.pivot.h;
    // Turned first, then scaled: the point ends up on the vertical axis, scaled by sv.
    const AIRealPoint moved = host::apply(m, {c.pivot.h + 1, c.pivot.v});
    EXPECT_TRUE(host::near(moved, {c.pivot.h, c.pivot.v + c.sv}, 1e-3f))
        << moved.h << ", " << moved.v;
  }
}

TEST_F(RealMathTest, PointAngleRunsFromTheFirstPointToTheSecond) {
  struct Case {
    AIRealPoint to;
    AIReal angle;
  };
  const Case cases[] = {{{1, 0}, 0},        {{0, 1}, kPi / 2},   {{-1, 0}, kPi},
                        {{-1, -0.0f}, kPi}, {{0, -1}, -kPi / 2}, {{-1, -1}, -3 * kPi / 4}};
  const AIRealPoint from{0, 0};
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(math().AIRealPointAngle(&from, &c.to), c.angle) << c.to.h << ", " << c.to.v;
  }
  const AIRealPoint a{10, 10};
  const AIRealPoint b{10, 20};
  EXPECT_FLOAT_EQ(math().AIRealPointAngle(&a, &b), kPi / 2);
  EXPECT_FLOAT_EQ(math().AIRealPointAngle(&b, &a), -kPi / 2);
}

TEST_F(RealMathTest, InterpolationWeighsTheFirstPoint) {
  const AIRealPoint edited{10, 20};
  const AIRealPoint original{0, 0};
  const std::pair<AIReal, AIRealPoint> cases[] = {
      {1, edited}, {0, original}, {0.25f, {2.5f, 5}}, {2, {20, 40}}};
  for (const auto& [t, expected] : cases) {
    AIRealPoint result{};
    math().AIRealPointInterpolate(&edited, &original, t, &result);
    EXPECT_TRUE(host::near(result, expected)) << t;
  }
}

TEST_F(RealMathTest, ScalarsAreTheRealFunctions) {
  EXPECT_FLOAT_EQ(math().DegreeToRadian(180), kPi);
  EXPECT_FLOAT_EQ(math().AIRealSqrt(2), std::sqrt(2.0f));
  EXPECT_NEAR(math().AIRealSin(kPi / 6), 0.5f, 1e-6);
  EXPECT_NEAR(math().AIRealCos(kPi / 3), 0.5f, 1e-6);
}

TEST_F(RealMathTest, NonFiniteArgumentsLeaveTheOutputsUnchanged) {
  const AIRealMatrix start{2, 0, 0, 2, 5, 6};
  struct Case {
    const char* what;
    std::function<void(const AIRealMathSuite&, AIRealMatrix*)> call;
  };
  const Case cases[] = {
      {"set translate NaN",
       [](auto& s, AIRealMatrix* m) { s.AIRealMatrixSetTranslate(m, kNaN, 0); }},
      {"concat translate inf",
       [](auto& s, AIRealMatrix* m) { s.AIRealMatrixConcatTranslate(m, 0, kInf); }},
      {"concat rotate NaN", [](auto& s, AIRealMatrix* m) { s.AIRealMatrixConcatRotate(m, kNaN); }},
      {"concat rotate inf", [](auto& s, AIRealMatrix* m) { s.AIRealMatrixConcatRotate(m, kInf); }},
      {"concat scale NaN", [](auto& s, AIRealMatrix* m) { s.AIRealMatrixConcatScale(m, 1, kNaN); }},
      {"concat scale -inf",
       [](auto& s, AIRealMatrix* m) { s.AIRealMatrixConcatScale(m, -kInf, 1); }},
  };
  for (const Case& c : cases) {
    AIRealMatrix m = start;
    c.call(math(), &m);
    EXPECT_TRUE(m.a == start.a && m.b == start.b && m.c == start.c && m.d == start.d &&
                m.tx == start.tx && m.ty == start.ty)
        << c.what;
    c.call(math(), nullptr);  // no matrix: nothing to write, no crash
  }

  const AIRealPoint a{1, 2};
  const AIRealPoint nan{kNaN, 0};
  for (const auto& [first, t] : {std::pair{a, kInf}, std::pair{nan, AIReal{0.5f}}}) {
    AIRealPoint result{7, 8};
    math().AIRealPointInterpolate(&first, &a, t, &result);
    EXPECT_TRUE(host::near(result, {7, 8}));
  }
}

}  // namespace
}  // namespace qv::test
