// The value of a spin edit: clamping to its inclusive range, re-clamping when an end moves, and
// the integer view of a decimal value.
#include "adm/ranged_value.h"

#include <gtest/gtest.h>

#include <limits>

namespace qv::test {
namespace {

using host::adm::RangedValue;

struct ClampCase {
  const char* what;
  double min, max, set;
  double value;
};

TEST(RangedValue, ValuesAreClampedToTheInclusiveRange) {
  const ClampCase cases[] = {
      {"inside", 1, 10, 4, 4},
      {"at the minimum", 1, 10, 1, 1},
      {"at the maximum", 1, 10, 10, 10},
      {"above", 1, 10, 50, 10},
      {"below", 1, 10, -3, 1},
      {"decimal above", 0.5, 2.5, 2.51, 2.5},
      {"one-point range", 3, 3, 7, 3},
      {"infinity", 0, 5, std::numeric_limits<double>::infinity(), 5},
  };
  for (const ClampCase& c : cases) {
    RangedValue number;
    number.setMin(c.min);
    number.setMax(c.max);
    number.set(c.set);
    EXPECT_EQ(number.value(), c.value) << c.what;
  }
}

TEST(RangedValue, MovingAnEndReclampsTheValueAndKeepsTheRangeWhole) {
  RangedValue number;
  number.setMin(1);
  number.setMax(10);
  number.set(10);
  number.setMax(5);
  EXPECT_EQ(number.value(), 5) << "a lower maximum pulls the value down";
  number.setMin(7);
  EXPECT_EQ(number.value(), 7) << "a minimum above the value pushes it up";
  EXPECT_EQ(number.max(), 7) << "a minimum above the maximum takes the maximum with it";
  number.setMax(2);
  EXPECT_EQ(number.min(), 2);
  EXPECT_EQ(number.value(), 2);
}

TEST(RangedValue, TheIntegerViewRoundsAndStaysWithinInt32) {
  const struct {
    double set;
    int32_t asInt;
  } cases[] = {{2.5, 3}, {2.49, 2}, {-2.5, -3}, {1e12, std::numeric_limits<int32_t>::max()}};
  for (const auto& c : cases) {
    RangedValue number;
    number.setMax(1e13);
    number.set(c.set);
    EXPECT_EQ(number.asInt(), c.asInt) << c.set;
  }
}

}  // namespace
}  // namespace qv::test
