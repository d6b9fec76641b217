// The fixture of the point-drag tool's host-driven tests: the started module, its options
// dialog as the dialog manager holds it, changes made as a person makes them, gestures with the
// tool, and paths whose chosen points are selected.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tool_fixture.h"

namespace qv::test {

// Item IDs of the options dialog.
namespace pivora_ids {
constexpr int32_t kModePopup = 12;
constexpr int32_t kInterpolateIn = 18;
constexpr int32_t kInterpolateOut = 19;
constexpr int32_t kInterpolatePoint = 20;
constexpr int32_t kLimit = 21;
constexpr int32_t kLocked = 3;
constexpr int32_t kDragOrNot = 4;
constexpr int32_t kSwap = 5;
constexpr int32_t kPreSwap = 6;
constexpr int32_t kAlternating = 7;
constexpr int32_t kHorizontal = 8;
constexpr int32_t kVertical = 9;
constexpr int32_t kInComponent = 10;
constexpr int32_t kOutComponent = 11;
constexpr int32_t kPressure = 17;
constexpr int32_t kTrail = 23;
constexpr int32_t kTrailLayer = 24;
constexpr int32_t kTrailBeneath = 25;
constexpr int32_t kAnchorRandom = 26;
constexpr int32_t kTypePathRandom = 27;
constexpr int32_t kTypePointRandom = 28;
constexpr int32_t kFillRandom = 29;
constexpr int32_t kFillSwatchRandom = 30;
constexpr int32_t kStrokeRandom = 31;
constexpr int32_t kStrokeSwatchRandom = 32;
constexpr int32_t kWeightRandom = 33;
constexpr int32_t kOpacityRandom = 34;
}  // namespace pivora_ids

// One anchor point with its two handles, as the tests write and read them.
struct Point3 {
  AIRealPoint p, in, out;
};

class PivoraTest : public ToolTest {
 protected:
  PivoraTest() : ToolTest(kPivora) {}
  host::PluginModule& pivora() { return module(); }

  void pickMode(int32_t mode) { change(pivora_ids::kModePopup, static_cast<double>(mode)); }

  static host::CallSite& site(const char* suite, const char* call) {
    host::CallSite* found = host::CallSiteRegistry::instance().find(suite, call);
    if (found == nullptr) {
      ADD_FAILURE() << suite << " / " << call;
      std::abort();
    }
    return *found;
  }
  static uint64_t segmentWrites() { return calls("AI Path Suite", "SetPathSegments"); }

  static host::DragEvent at(AIReal h, AIReal v, int32_t keys = 0, AIToolPressure pressure = 0) {
    return host::DragEvent{AIRealPoint{h, v}, keys, pressure};
  }
  // Mouse down at `start`, one drag event per entry of `events`, mouse up at the last point;
  // every message must succeed.
  void gesture(AIRealPoint start, std::initializer_list<host::DragEvent> events) {
    EXPECT_EQ(host().mouseDown(pivora(), at(start.h, start.v)), kNoErr);
    AIRealPoint last = start;
    for (const host::DragEvent& event : events) {
      EXPECT_EQ(host().mouseDrag(pivora(), event), kNoErr);
      last = event.point;
    }
    EXPECT_EQ(host().mouseUp(pivora(), at(last.h, last.v)), kNoErr);
  }
  // One drag event from (100, 100) by `drag`.
  void dragBy(AIRealPoint drag) { gesture(kStart, {at(kStart.h + drag.h, kStart.v + drag.v)}); }
  static constexpr AIRealPoint kStart{100, 100};

  // A path in the current layer (or inside `where`) whose points `chosen` are selected; the
  // path itself is selected when any point is, or when `selectPath` says so.
  host::Art& path(const std::vector<Point3>& points, std::initializer_list<int> chosen,
                  host::Container where = {}, bool selectPath = false) {
    host::Art& art = host().document().create(kPathArt, where);
    for (const Point3& point : points)
      art.segments.push_back({point.p, point.in, point.out, false});
    art.segmentSelection.assign(points.size(), kSegmentNotSelected);
    for (const int index : chosen) art.segmentSelection[index] = kSegmentPointSelected;
    art.selected = selectPath || chosen.size() > 0;
    return art;
  }
  // Three points with handles 10 points either side of their anchors, all selected.
  host::Art& threePoints() {
    return path({{{200, 300}, {190, 300}, {210, 300}},
                 {{250, 350}, {250, 340}, {250, 360}},
                 {{300, 300}, {310, 300}, {290, 300}}},
                {0, 1, 2});
  }
};

}  // namespace qv::test
