// The point-drag tool's per-segment arithmetic as plain functions: the axis rule, every row of
// the mode table with the write masks, the mode a draw picks, the handle scatter and the limit.
#include <gtest/gtest.h>

#include <string>

#include "DragModes.hpp"

namespace pivora::modes {
namespace {

constexpr AIReal kTolerance = 1e-4f;

void expectPoint(AIRealPoint actual, AIRealPoint expected, const std::string& what) {
  EXPECT_NEAR(actual.h, expected.h, kTolerance) << what << " h";
  EXPECT_NEAR(actual.v, expected.v, kTolerance) << what << " v";
}
void expectSegment(const AIPathSegment& actual, const AIPathSegment& expected,
                   const std::string& what) {
  expectPoint(actual.p, expected.p, what + ": anchor");
  expectPoint(actual.in, expected.in, what + ": in");
  expectPoint(actual.out, expected.out, what + ": out");
}

TEST(AxisRule, LockedTakesPrecedenceOverSwap) {
  struct Case {
    bool swap, locked;
    AIRealPoint expected;
  };
  const Case cases[] = {
      {false, false, {3, 7}}, {true, false, {7, 3}}, {false, true, {7, 7}}, {true, true, {7, 7}}};
  for (const Case& c : cases) {
    const Rule rule{.swap = c.swap, .locked = c.locked};
    expectPoint(AxisRule({3, 7}, rule), c.expected,
                "swap " + std::to_string(c.swap) + " locked " + std::to_string(c.locked));
  }
}

// The segment of every case: anchor (10, 20), in (4, 16), out (16, 24); S (1, 2), E (31, 42),
// so D = (30, 40); the centre (50, 60).
constexpr AIPathSegment kSegment{{10, 20}, {4, 16}, {16, 24}, false};
constexpr Frame kFrame{{1, 2}, {31, 42}, {50, 60}};

TEST(ApplyMode, EveryRowOfTheTable) {
  struct Case {
    int32_t mode;
    AIPathSegment expected;
  };
  const Case cases[] = {
      {0, {{10, 20}, {1, 2}, {31, 42}, false}},
      {1, {{10, 20}, {31, 42}, {31, 42}, false}},
      {2, {{31, 42}, {4, 16}, {16, 24}, false}},
      {3, {{40, 60}, {4, 16}, {16, 24}, false}},
      {4, {{10, 20}, {34, 56}, {46, 64}, false}},
      // Offsets (-6, -4) and (6, 4) scaled by 30 % and 40 %.
      {5, {{10, 20}, {8.2f, 18.4f}, {11.8f, 21.6f}, false}},
      {6, {{40, 60}, {0, 0}, {0, 0}, false}},
      {7, {{40, 60}, {50, 60}, {50, 60}, false}},
      {8, {{0, 0}, {34, 56}, {46, 64}, false}},
      {9, {{50, 60}, {34, 56}, {46, 64}, false}},
      {10, {{10, 20}, {31, 42}, {1, 2}, false}},
      {11, kSegment},
      {-1, kSegment},
  };
  for (const Case& c : cases) {
    AIPathSegment segment = kSegment;
    ApplyMode(c.mode, segment, kFrame, Rule{});
    expectSegment(segment, c.expected, "mode " + std::to_string(c.mode));
  }
}

TEST(ApplyMode, MasksApplyToEveryAssignment) {
  struct Case {
    const char* name;
    int32_t mode;
    Rule rule;
    AIPathSegment expected;
  };
  const Case cases[] = {
      {"mode 8 vertical only", 8, {.horizontal = false}, {{10, 0}, {4, 56}, {16, 64}, false}},
      {"mode 6 horizontal only", 6, {.vertical = false}, {{40, 20}, {0, 16}, {0, 24}, false}},
      {"mode 0 without out", 0, {.out = false}, {{10, 20}, {1, 2}, {16, 24}, false}},
      {"mode 10 without in", 10, {.in = false}, {{10, 20}, {4, 16}, {1, 2}, false}},
      {"mode 9 without handles",
       9,
       {.in = false, .out = false},
       {{50, 60}, {4, 16}, {16, 24}, false}},
      {"mode 1 swapped", 1, {.swap = true}, {{10, 20}, {42, 31}, {42, 31}, false}},
      {"mode 7 centre without the axis rule",
       7,
       {.swap = true},
       {{50, 50}, {50, 60}, {50, 60}, false}},
      {"mode 5 locked: both by 40 %",
       5,
       {.locked = true},
       {{10, 20}, {7.6f, 18.4f}, {12.4f, 21.6f}, false}},
  };
  for (const Case& c : cases) {
    AIPathSegment segment = kSegment;
    ApplyMode(c.mode, segment, kFrame, c.rule);
    expectSegment(segment, c.expected, c.name);
  }
}

TEST(ModeFromDraw, ElevenEqualShares) {
  struct Case {
    AIReal draw;
    int32_t mode;
  };
  const Case cases[] = {{0.0f, 0},    {0.09f, 0}, {0.091f, 1}, {0.5f, 5},
                        {0.999f, 10}, {1.0f, 10}, {-0.5f, 0}};
  for (const Case& c : cases) EXPECT_EQ(ModeFromDraw(c.draw), c.mode) << c.draw;
}

TEST(ScatterHandles, EachCoordinateByItsOwnDraw) {
  AIPathSegment segment = kSegment;
  ScatterHandles(segment, {0.5f, 0.25f, 0.0f, 1.0f});
  expectSegment(segment, {{10, 20}, {7, 19}, {10, 24}, false}, "scatter");
}

TEST(LimitHandles, CoordinatesStayWithinTheLimitOfTheAnchor) {
  struct Case {
    AIReal limit;
    AIPathSegment segment;
    AIPathSegment expected;
  };
  const Case cases[] = {
      {1000,
       {{0, 0}, {1500, -1500}, {-999, 1000}, false},
       {{0, 0}, {1000, -1000}, {-999, 1000}, false}},
      {5, {{10, 20}, {4, 16}, {16, 24}, false}, {{10, 20}, {5, 16}, {15, 24}, false}},
      {0, {{10, 20}, {4, 16}, {16, 24}, false}, {{10, 20}, {10, 20}, {10, 20}, false}},
  };
  for (const Case& c : cases) {
    AIPathSegment segment = c.segment;
    LimitHandles(segment, c.limit);
    expectSegment(segment, c.expected, "limit " + std::to_string(c.limit));
  }
}

}  // namespace
}  // namespace pivora::modes
