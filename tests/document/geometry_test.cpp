// The document's geometry: the order concat applies matrices in, and exact bounds of a closed
// path whose closing segment curves beyond its anchors.
#include "document/geometry.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST(GeometryTest, ConcatAppliesTheFirstMatrixFirst) {
  const AIRealMatrix move = host::translation(10, 0);
  const AIRealMatrix twice = host::scaling(2, 2);
  EXPECT_TRUE(host::near(host::apply(host::concat(move, twice), {1, 1}), {22, 2}));
  EXPECT_TRUE(host::near(host::apply(host::concat(twice, move), {1, 1}), {12, 2}));
}

TEST(GeometryTest, TheClosingSegmentCountsOnlyWhenClosed) {
  // Two anchors on the h axis; the segment back from the last to the first bulges down to -75.
  const AIPathSegment segments[] = {{{0, 0}, {0, -100}, {0, 0}, false},
                                    {{100, 0}, {100, 0}, {100, -100}, false}};
  const host::Bounds open = host::pathBounds(segments, false);
  EXPECT_FLOAT_EQ(open.rect.bottom, 0);
  const host::Bounds closed = host::pathBounds(segments, true);
  EXPECT_NEAR(closed.rect.bottom, -75, 1e-3);
  EXPECT_FLOAT_EQ(closed.rect.top, 0);
  EXPECT_TRUE(host::pathBounds({}, true).empty);
}

}  // namespace
}  // namespace qv::test
