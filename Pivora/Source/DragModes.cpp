// The drag-mode table and the other per-segment arithmetic of the point-drag tool. Pure:
// touches only the segment it is given.
#include "DragModes.hpp"

namespace pivora::modes {

namespace {

// What one row of the mode table does to a point.
enum class Op {
  Keep,      // unchanged
  ToEnd,     // T(E)
  ToStart,   // T(S)
  AddDrag,   // the point + T(D)
  Factor,    // each coordinate's offset from the anchor scaled by T(D) / 100
  ToCorner,  // (0, 0), without the axis rule
  ToCentre,  // the document centre, without the axis rule
};

struct Row {
  Op anchor;
  Op out;
  Op in;
};

constexpr Row kModeTable[kModeCount] = {
    {Op::Keep, Op::ToEnd, Op::ToStart},         // 0 direction points drag (start, cursor)
    {Op::Keep, Op::ToEnd, Op::ToEnd},           // 1 direction points drag (cursor)
    {Op::ToEnd, Op::Keep, Op::Keep},            // 2 anchor points drag (cursor)
    {Op::AddDrag, Op::Keep, Op::Keep},          // 3 anchor points add (cursor)
    {Op::Keep, Op::AddDrag, Op::AddDrag},       // 4 direction points add (cursor)
    {Op::Keep, Op::Factor, Op::Factor},         // 5 direction points factor (cursor)
    {Op::AddDrag, Op::ToCorner, Op::ToCorner},  // 6 anchor points drag (cursor, corner)
    {Op::AddDrag, Op::ToCentre, Op::ToCentre},  // 7 anchor points drag (cursor, centre)
    {Op::ToCorner, Op::AddDrag, Op::AddDrag},   // 8 direction points drag (cursor, corner)
    {Op::ToCentre, Op::AddDrag, Op::AddDrag},   // 9 direction points drag (cursor, centre)
    {Op::Keep, Op::ToStart, Op::ToEnd},         // 10 direction points drag (cursor, start)
};

AIReal Offset(AIReal x, AIReal anchor, AIReal factor) {
  return ((x - anchor) * factor / 100) + anchor;
}

// The value `op` gives a point that now holds `current`, on a segment anchored at `anchor`.
AIRealPoint Target(Op op, AIRealPoint current, AIRealPoint anchor, const Frame& frame,
                   const Rule& rule) {
  const AIRealPoint drag =
      AxisRule({frame.end.h - frame.start.h, frame.end.v - frame.start.v}, rule);
  switch (op) {
    case Op::Keep:
      return current;
    case Op::ToEnd:
      return AxisRule(frame.end, rule);
    case Op::ToStart:
      return AxisRule(frame.start, rule);
    case Op::AddDrag:
      return {current.h + drag.h, current.v + drag.v};
    case Op::Factor:
      return {Offset(current.h, anchor.h, drag.h), Offset(current.v, anchor.v, drag.v)};
    case Op::ToCorner:
      return {0, 0};
    case Op::ToCentre:
      return frame.centre;
  }
  return current;
}

// Writes the coordinates the masks allow.
void Assign(AIRealPoint& point, AIRealPoint value, bool enabled, const Rule& rule) {
  if (!enabled) return;
  if (rule.horizontal) point.h = value.h;
  if (rule.vertical) point.v = value.v;
}

void Limit(AIReal& x, AIReal anchor, AIReal limit) {
  if (x - anchor > limit) {
    x = anchor + limit;
  } else if (anchor - x > limit) {
    x = anchor - limit;
  }
}

AIReal Towards(AIReal anchor, AIReal x, AIReal draw) { return anchor + (x - anchor) * draw; }

}  // namespace

AIRealPoint AxisRule(AIRealPoint x, const Rule& rule) {
  if (rule.locked) return {x.v, x.v};
  if (rule.swap) return {x.v, x.h};
  return x;
}

void ApplyMode(int32_t mode, AIPathSegment& segment, const Frame& frame, const Rule& rule) {
  if (mode < 0 || mode >= kModeCount) return;
  const Row& row = kModeTable[mode];
  Assign(segment.p, Target(row.anchor, segment.p, segment.p, frame, rule), true, rule);
  Assign(segment.out, Target(row.out, segment.out, segment.p, frame, rule), rule.out, rule);
  Assign(segment.in, Target(row.in, segment.in, segment.p, frame, rule), rule.in, rule);
}

int32_t ModeFromDraw(AIReal draw) {
  // Checked before the conversion, which is undefined for values an int cannot hold.
  if (!(draw > 0)) return 0;
  if (draw >= 1) return kModeCount - 1;
  return static_cast<int32_t>(draw * kModeCount);
}

void ScatterHandles(AIPathSegment& segment, const AIReal (&draws)[4]) {
  segment.in.h = Towards(segment.p.h, segment.in.h, draws[0]);
  segment.in.v = Towards(segment.p.v, segment.in.v, draws[1]);
  segment.out.h = Towards(segment.p.h, segment.out.h, draws[2]);
  segment.out.v = Towards(segment.p.v, segment.out.v, draws[3]);
}

void LimitHandles(AIPathSegment& segment, AIReal limit) {
  Limit(segment.in.h, segment.p.h, limit);
  Limit(segment.in.v, segment.p.v, limit);
  Limit(segment.out.h, segment.p.h, limit);
  Limit(segment.out.v, segment.p.v, limit);
}

}  // namespace pivora::modes
