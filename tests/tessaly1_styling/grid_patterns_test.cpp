// The Grid tool's cell patterns: the 42 apply patterns over their first indexes, the nine
// checkerboards and the four turn patterns.
#include <gtest/gtest.h>

#include <string>

#include "GridPatterns.hpp"

namespace {

using gridpatterns::ApplyFactor;

TEST(GridPatternsTest, ApplyPatternsOverTheFirstIndexes) {
  const AIReal u = 0.37f;
  // Factors for i = 0, 1, 2, ... (as many as given), both axes unless the row says otherwise.
  struct Row {
    int mode;
    std::vector<AIReal> factors;
  };
  const AIReal h = 0.5f, t = 1.0f / 3, q = 0.25f, f = 0.2f, s = 1.0f / 6, e = 0.125f;
  const Row rows[] = {
      {0, {1, 1, 1}},
      {1, {1, h, 1, h}},
      {2, {1, h, h, 1}},
      {3, {1, h, h, h, 1}},
      {4, {1, q, 1, q}},
      {5, {1, e, 1}},
      {6, {1, h, 1}},
      {7, {1, h, h, 1}},
      {8, {1, h, t, q}},
      {10, {1, s, s, s, s, f, s, s, s, s, q}},
      {11, {h, t, q}},
      {12, {t, q, f}},
      {13, {1, h}},
      {14, {1, h, t, 1}},
      {15, {1, h, t, q, 1}},
      {16, {h, 1, h}},
      {17, {1, h, h, h, h, h, h, h, h, h, 1}},
      {18, {1, h, h, h, h, h, 1}},
      {19, {1, t, t, t, t, t, 1}},
      {20, {1, t, t, t, t, t, 1.0f / 7}},
      {21, {1, q, q, q, q, q, 1}},
      {22, {1, h, h}},
      {23, {1, t, t, t, t, t, 1}},
      {24, {h, h, h, h, h, 1, h}},
      {25, {t, t, t}},
      {26, {q, q, q}},
      {27, {1, u, 1, u}},
      {28, {1, u, u, 1}},
      {29, {1, h, t, q, f, 1}},
      {30, {f, q, t, h, 1, f}},
      {31, {1, h, t, q, f, s, 1.0f / 7, 1}},
      {32, {1, 0.8f, 0.6f, 0.4f, 0.2f, 1}},
      {33, {1, 5.0f / 6, 4.0f / 6, 3.0f / 6, 2.0f / 6, 1.0f / 6, 1}},
      {34, {h, 1, h, 1, q, 1, h}},
      {35, {h, 1, 1, h, 1, 1, q, 1, 1, h}},
      {36, {1, s, 1, t, 1}},
      {37, {1, h, t, q, t, h, 1, 1}},
      {38, {f, q, t, h, 1, h, t, q, f}},
      {39, {s, q, h, 1, h, q, s, s}},
      {40, {e, s, f, t, 1, t, f, s, e, e}},
      {41, {q, h, q, 1, q, h, q, q}},
      {42, {1, h, t, 1, t, h, 1, 1}},
  };
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < row.factors.size(); ++i) {
      const auto factor = ApplyFactor(row.mode, static_cast<int>(i), u);
      EXPECT_FLOAT_EQ(factor.h, row.factors[i]) << "Apply " << row.mode << " i = " << i;
      EXPECT_FLOAT_EQ(factor.v, row.factors[i]) << "Apply " << row.mode << " i = " << i;
    }
  }
  // Apply 24, 25, 26 keep their full size at one index of a long cycle.
  EXPECT_FLOAT_EQ(ApplyFactor(25, 17, u).h, 1);
  EXPECT_FLOAT_EQ(ApplyFactor(26, 18, u).h, 1);
  EXPECT_FLOAT_EQ(ApplyFactor(10, 30, u).h, 1);
}

TEST(GridPatternsTest, ApplyNineScalesTheAxesApart) {
  const std::pair<int, gridpatterns::Factor> cases[] = {{0, {1, 1}},
                                                        {1, {0.25f, 1.0f / 6}},
                                                        {2, {0.25f, 1.0f / 6}},
                                                        {3, {0.25f, 1.0f / 6}},
                                                        {4, {1.0f / 3, 0.25f}},
                                                        {8, {1.0f / 3, 0.25f}},
                                                        {12, {1, 1}}};
  for (const auto& [i, expected] : cases) {
    const auto factor = ApplyFactor(9, i, 0);
    EXPECT_FLOAT_EQ(factor.h, expected.h) << i;
    EXPECT_FLOAT_EQ(factor.v, expected.v) << i;
  }
}

// The empty (or turned) cells of the first 6 x 6 cells, one string per row.
std::vector<std::string> Cells(bool (*test)(int, int, int), int mode) {
  std::vector<std::string> rows;
  for (int r = 0; r < 6; ++r) {
    std::string row;
    for (int q = 0; q < 6; ++q) row += test(mode, r, q) ? 'x' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(GridPatternsTest, CheckerboardsAndTurns) {
  using Pattern = std::vector<std::string>;
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 0), Pattern(6, "......"));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 1),
            (Pattern{".x.x.x", "x.x.x.", ".x.x.x", "x.x.x.", ".x.x.x", "x.x.x."}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 2),
            (Pattern{"..xx..", "..xx..", "xx..xx", "xx..xx", "..xx..", "..xx.."}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 3),
            (Pattern{"...xxx", "...xxx", "...xxx", "xxx...", "xxx...", "xxx..."}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 4),
            (Pattern{".x..x.", "x..x..", "......", ".x..x.", "x..x..", "......"}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 5),
            (Pattern{"..x..x", "......", "x..x..", "..x..x", "......", "x..x.."}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 6),
            (Pattern{"x.x.x.", ".x.x.x", "x.x.x.", ".x.x.x", "x.x.x.", ".x.x.x"}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 7),
            (Pattern{"x..x..", ".x..x.", "......", "x..x..", ".x..x.", "......"}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 8),
            (Pattern{"x...x.", ".x...x", "......", "......", "x...x.", ".x...x"}));
  EXPECT_EQ(Cells(gridpatterns::CheckEmpty, 9),
            (Pattern{".x...x", "x...x.", "......", "......", ".x...x", "x...x."}));
  EXPECT_EQ(Cells(gridpatterns::TurnCell, 1), Cells(gridpatterns::CheckEmpty, 1));
  EXPECT_EQ(Cells(gridpatterns::TurnCell, 2), Cells(gridpatterns::CheckEmpty, 4));
  EXPECT_EQ(Cells(gridpatterns::TurnCell, 3), Pattern(6, ".x.x.x"));
  EXPECT_EQ(Cells(gridpatterns::TurnCell, 4),
            (Pattern{"......", "xxxxxx", "......", "xxxxxx", "......", "xxxxxx"}));
}

}  // namespace
