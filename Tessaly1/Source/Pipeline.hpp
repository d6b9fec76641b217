// The copy pipeline: what happens to every member a copy tool places, apart from the tool's
// own geometry. Placement above or beneath, random omission, the member itself or a duplicate,
// the shared matrix conventions (pivot, line scale, jitter), restyling and transforming of
// every path, opacity and blending, the pattern tile and the random warp. Each tool states
// only its variant (ToolTraits) and its per-member inputs (Member).
#ifndef QV_TESSALY1_PIPELINE_HPP
#define QV_TESSALY1_PIPELINE_HPP

#include "AITypes.h"
#include "DragDriver.hpp"

namespace ornix {

enum class MemberKind {
  Duplicate,        // a duplicate of the source in the placement's paint order
  SourceReordered,  // the source itself, moved to the top or bottom
  SourceInPlace,    // the source itself, where it is
};

enum class RestyleOrder {
  RestyleThenTransform,  // colours and width first, then the transform
  TransformThenRestyle,  // the transform first
};

enum class OpacityVariant { Default, Fade, FadeAndPressure };

// What a tool does the same way for all its members.
struct ToolTraits {
  RestyleOrder order;
  bool tag;  // mark every transformed path with the tool tag
  OpacityVariant opacity;
  const bool* create;  // the tool's "Create [R]" option, null when it has none
  const bool* warp;    // the tool's "Warp [R]" option, null when it has none
};

// Where a member goes: the placement decision, and whether the random omission kept it.
struct Placement {
  int beneath = 0;
  int16_t paintOrder = kPlaceAboveAll;
  bool made = true;
};

// The inputs of one member besides its matrix.
struct Member {
  AIArtHandle source = nullptr;
  int copyIndex = 0;
  int rowIndex = 0;
  int objectIndex = 0;
  unsigned char twoDimensional = 0;
  int fillIndex = 0;
  int strokeIndex = 0;
  int fillSteps = 0;
  int strokeSteps = 0;
  AIReal lineScale = 1.0f;
  AIReal fade = 1.0f;  // fade factor of the fade variants
};

// Steps 1 and 2: the placement decision, then the omission draw when the tool has Create [R].
Placement PlaceMember(const ToolTraits& traits, const Member& member);
// Step 3: the member itself; `art` receives it.
AIErr ObtainMember(MemberKind kind, const Member& member, const Placement& placement,
                   AIArtHandle& art);
// Steps 5 to 8 on a member whose matrix the tool built (step 4).
AIErr FinishMember(const ToolTraits& traits, const EventContext& context, const Member& member,
                   const Placement& placement, AIArtHandle art, const AIRealMatrix& matrix);

// Step 4 conventions.
// The centre of an object's bounds; the host's error when they cannot be read.
AIErr BoundsCentre(AIArtHandle art, AIRealPoint& centre);
// The line scale of a scaling by (sx, sy) under `scalelinesoptions`; `even` is the tool's
// parity test for the alternate mode. Magnitudes keep mirrored members' widths finite.
AIReal LineScale(AIReal sx, AIReal sy, bool even);
// Jitter with one value J for both axes: nothing is drawn when J is 0.
void AppendJitter(AIRealMatrix& matrix, AIReal jitter);
// Jitter with a horizontal and a vertical value, drawn in any case.
void AppendJitter(AIRealMatrix& matrix, AIReal horizontal, AIReal vertical);
// The fill or stroke step count: the option when set, else the tool's own count.
int Steps(int option, int toolCount);

}  // namespace ornix

#endif
