// Checkerboard, turn and apply patterns of the Grid tool.
#include "GridPatterns.hpp"

namespace gridpatterns {

namespace {

// Reciprocals written as the tables give them.
constexpr AIReal kHalf = 1.0f / 2, kThird = 1.0f / 3, kQuarter = 1.0f / 4, kFifth = 1.0f / 5,
                 kSixth = 1.0f / 6, kSeventh = 1.0f / 7, kEighth = 1.0f / 8;

Factor Both(AIReal f) { return {f, f}; }

// A factor from a cycle of values by i mod the cycle's length.
template <int N>
Factor Cycle(int i, const AIReal (&values)[N]) {
  const int k = i % N;
  return Both(values[k < 0 ? k + N : k]);
}

bool Pair(int a, int b, int x0, int y0, int x1, int y1) {
  return (a == x0 && b == y0) || (a == x1 && b == y1);
}

}  // namespace

bool CheckEmpty(int mode, int r, int q) {
  switch (mode) {
    case 1:
      return (r + q) % 2 == 1;
    case 2:
      return (r % 4 < 2) != (q % 4 < 2);
    case 3:
      return (r % 6 < 3) != (q % 6 < 3);
    case 4:
      return Pair(r % 3, q % 3, 0, 1, 1, 0);
    case 5:
      return Pair(r % 3, q % 3, 0, 2, 2, 0);
    case 6:
      return (r + q) % 2 == 0;
    case 7:
      return Pair(r % 3, q % 3, 0, 0, 1, 1);
    case 8:
      return Pair(r % 4, q % 4, 0, 0, 1, 1);
    case 9:
      return Pair(r % 4, q % 4, 0, 1, 1, 0);
    default:
      return false;
  }
}

bool TurnCell(int mode, int r, int q) {
  switch (mode) {
    case 1:
      return (r + q) % 2 == 1;
    case 2:
      return Pair(r % 3, q % 3, 0, 1, 1, 0);
    case 3:
      return q % 2 == 1;
    case 4:
      return r % 2 == 1;
    default:
      return false;
  }
}

bool ApplyUsesRandom(int mode) { return mode == 27 || mode == 28; }

Factor ApplyFactor(int mode, int i, AIReal u) {
  const bool even = i % 2 == 0;
  switch (mode) {
    case 1:
    case 6:
    case 13:
      return Both(even ? 1 : kHalf);
    case 2:
    case 7:
      return Both(i % 3 == 0 ? 1 : kHalf);
    case 3:
      return Both(i % 4 == 0 ? 1 : kHalf);
    case 4:
      return Both(even ? 1 : kQuarter);
    case 5:
      return Both(even ? 1 : kEighth);
    case 8:
      return Both(1.0f / static_cast<AIReal>(i + 1));
    case 9:
      if (i % 12 == 0) return Both(1);
      if (i % 4 == 0) return {kThird, kQuarter};
      return {kQuarter, kSixth};
    case 10:
      if (i % 30 == 0) return Both(1);
      if (i % 10 == 0) return Both(kQuarter);
      if (i % 5 == 0) return Both(kFifth);
      return Both(kSixth);
    case 11:
      return Both(1.0f / static_cast<AIReal>(i + 2));
    case 12:
      return Both(1.0f / static_cast<AIReal>(i + 3));
    case 14:
      return Cycle(i, {1, kHalf, kThird});
    case 15:
      return Cycle(i, {1, kHalf, kThird, kQuarter});
    case 16:
      return Both(even ? kHalf : 1);
    case 17:
      return Both(i % 10 == 0 ? 1 : kHalf);
    case 18:
      return Both(i % 6 == 0 ? 1 : kHalf);
    case 19:
    case 23:
      return Both(i % 6 == 0 ? 1 : kThird);
    case 20:
      return Both(i % 6 == 0 ? 1.0f / static_cast<AIReal>(i + 1) : kThird);
    case 21:
      return Both(i % 6 == 0 ? 1 : kQuarter);
    case 22:
      return Both(i % 15 == 0 ? 1 : kHalf);
    case 24:
      return Both(i % 12 == 5 ? 1 : kHalf);
    case 25:
      return Both(i % 20 == 17 ? 1 : kThird);
    case 26:
      return Both(i % 20 == 18 ? 1 : kQuarter);
    case 27:
      return Both(even ? 1 : u);
    case 28:
      return Both(i % 3 == 0 ? 1 : u);
    case 29:
      return Cycle(i, {1, kHalf, kThird, kQuarter, kFifth});
    case 30:
      return Cycle(i, {kFifth, kQuarter, kThird, kHalf, 1});
    case 31:
      return Cycle(i, {1, kHalf, kThird, kQuarter, kFifth, kSixth, kSeventh});
    case 32:
      return Both(static_cast<AIReal>(5 - i % 5) / 5);
    case 33:
      return Both(static_cast<AIReal>(6 - i % 6) / 6);
    case 34:
      return Cycle(i, {kHalf, 1, kHalf, 1, kQuarter, 1});
    case 35:
      if (i % 15 == 6) return Both(kQuarter);
      if (i % 15 % 3 == 0) return Both(kHalf);
      return Both(1);
    case 36:
      return Cycle(i, {1, kSixth, 1, kThird});
    case 37:
      return Cycle(i, {1, kHalf, kThird, kQuarter, kThird, kHalf, 1});
    case 38:
      return Cycle(i, {kFifth, kQuarter, kThird, kHalf, 1, kHalf, kThird, kQuarter});
    case 39:
      return Cycle(i, {kSixth, kQuarter, kHalf, 1, kHalf, kQuarter, kSixth});
    case 40:
      return Cycle(i, {kEighth, kSixth, kFifth, kThird, 1, kThird, kFifth, kSixth, kEighth});
    case 41:
      return Cycle(i, {kQuarter, kHalf, kQuarter, 1, kQuarter, kHalf, kQuarter});
    case 42:
      return Cycle(i, {1, kHalf, kThird, 1, kThird, kHalf, 1});
    default:
      return Both(1);
  }
}

}  // namespace gridpatterns
