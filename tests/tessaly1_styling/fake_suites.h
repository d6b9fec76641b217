// Stand-ins for the three host suites the copy styling calls, so that its arithmetic can be
// tested as plain functions: one path style, a swatch list and a scripted random source.
#pragma once

#include <deque>
#include <vector>

#include "AITypes.h"

namespace styling_test {

struct FakeHost {
  AIPathStyle style{};
  bool styleReadable = true;
  int styleReads = 0;
  int styleWrites = 0;
  std::vector<AIColor> swatches;
  std::deque<AIReal> draws;
  int drawsTaken = 0;
};

// The fake the suites answer from; reset by each test.
FakeHost& fake();
// The path handle the fake knows.
AIArtHandle fakePath();

}  // namespace styling_test
