// The drag driver of the copy tool: what every drag event does for all thirteen copy tools
// (undo of the previous event unless the tool leaves a trail, the event context, the object
// limit, the Layer and Slowdown options) before it runs the block of `currenttool`.
#ifndef QV_TESSALY1_DRAGDRIVER_HPP
#define QV_TESSALY1_DRAGDRIVER_HPP

#include "AITool.h"
#include "AITypes.h"
#include "Options.hpp"

namespace ornix {

// Flags of every art transformation the copy tools make.
constexpr int32_t kTransformFlags = 0x13;
constexpr AIReal kPi = 3.1415927f;
// Selections of more objects make no copies.
constexpr int32_t kMaxSnapshotObjects = 1000;

// What every tool block of one processed drag event reads.
struct EventContext {
  AIReal pressure = 1.0f;  // the pen pressure as a factor 0..1; 1 without a pressure system
  AIRealPoint documentCentre{};
  int32_t swatchCount = 0;
  int32_t transformFlags = kTransformFlags;
  AIReal pi = kPi;
  int32_t row = 0;        // row index of two-dimensional tools
  AIErr result = kNoErr;  // a result the block records without stopping
};

// A copy tool's block: a nonzero result ends the event at once with that error.
using ToolBlock = AIErr (*)(EventContext& context);
// The blocks by tool index; null where a tool has none.
extern const ToolBlock gToolBlocks[kToolCount];

// One drag event at `cursor` with the message's pen pressure (0..255).
AIErr tooldrag(AIRealPoint cursor, AIToolPressure pressure);

}  // namespace ornix

#endif
