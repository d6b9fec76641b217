// The point arithmetic of one drag event on one segment, as pure functions: the axis rule, the
// eleven drag modes with their write masks, the mode drawn at random, the random scatter of
// the handles and the handle limit. Touches only the segment it is given; calls no host.
#ifndef QV_PIVORA_DRAGMODES_HPP
#define QV_PIVORA_DRAGMODES_HPP

#include <cstdint>

#include "AITypes.h"

namespace pivora::modes {

constexpr int32_t kModeCount = 11;

// How the options shape every assignment of a mode: the axis rule (Swap in/out, Locked) and
// the write masks (Horizontal, Vertical, In component, Out component).
struct Rule {
  bool swap = false;
  bool locked = false;
  bool horizontal = true;
  bool vertical = true;
  bool in = true;
  bool out = true;
};

// The points of the event: S, E and the document centre C.
struct Frame {
  AIRealPoint start{};
  AIRealPoint end{};
  AIRealPoint centre{};
};

// The pair written for a point or vector: (v, v) with Locked, (v, h) with Swap, else (h, v).
AIRealPoint AxisRule(AIRealPoint x, const Rule& rule);
// Applies mode `mode`'s row to the segment: the anchor first, then the out and the in handle,
// each coordinate only where the masks allow. A mode outside 0..10 changes nothing.
void ApplyMode(int32_t mode, AIPathSegment& segment, const Frame& frame, const Rule& rule);
// The mode a draw in [0, 1) picks: trunc(draw * 11), kept within 0..10.
int32_t ModeFromDraw(AIReal draw);
// Anchor (R): moves each handle coordinate towards the anchor by its draw, in the order in.h,
// in.v, out.h, out.v.
void ScatterHandles(AIPathSegment& segment, const AIReal (&draws)[4]);
// Keeps every handle coordinate within `limit` of the anchor's, in.h, in.v, out.h, out.v.
void LimitHandles(AIPathSegment& segment, AIReal limit);

}  // namespace pivora::modes

#endif
