// Item IDs of the copy tool's palette controls that the Grid, Drag and pipeline tests change,
// and the modifier bits the two tools read. Data only.
#pragma once

#include <cstdint>

namespace qv::test::items {

constexpr int32_t kGridTool = 0;
constexpr int32_t kDragTool = 1;

// Grid tool.
constexpr int32_t kColumns = 20;
constexpr int32_t kRows = 21;
constexpr int32_t kGridRotation = 22;
constexpr int32_t kGridJitter = 23;
constexpr int32_t kGridLocked = 25;
constexpr int32_t kGridTrail = 26;
constexpr int32_t kTouch = 27;
constexpr int32_t kGridWarp = 28;
constexpr int32_t kBox = 31;
constexpr int32_t kCheck = 32;
constexpr int32_t kApplyH = 33;
constexpr int32_t kApplyV = 34;

// Drag tool.
constexpr int32_t kCopies = 38;
constexpr int32_t kDragRotation = 39;
constexpr int32_t kJitterH = 40;
constexpr int32_t kJitterV = 41;
constexpr int32_t kDragLocked = 43;
constexpr int32_t kDragTrail = 44;
constexpr int32_t kDragWarp = 45;
constexpr int32_t kDragCreate = 46;

// Common options.
constexpr int32_t kPressure = 5;
constexpr int32_t kPlacement = 6;
constexpr int32_t kOpacity = 7;
constexpr int32_t kBlend = 8;
constexpr int32_t kWidth = 14;
constexpr int32_t kPattern = 15;
constexpr int32_t kLineWidth = 18;
constexpr int32_t kLayer = 4;

// Modifier bits: 0x20 steps a count, 0x40 pauses a trail (with 0x20: the Grid's columns),
// 0x200 moves the selection along a Drag trail.
constexpr int32_t kStepKey = 0x20;
constexpr int32_t kPauseKey = 0x40;
constexpr int32_t kMoveKey = 0x200;

}  // namespace qv::test::items
