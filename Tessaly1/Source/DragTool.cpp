// Copy tool 1, Drag: a row of copies of every selected object along the drag vector, the first
// member being the object itself, the last displaced by the whole vector. Reads and writes the
// tool's options; makes art only through the copy pipeline.
#include <cmath>

#include "CopyTools.hpp"
#include "Pipeline.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {

const ToolTraits kDragTraits{RestyleOrder::RestyleThenTransform, true, OpacityVariant::Default,
                             &placementvalue_1, &envelopevalue_1};
constexpr int32_t kMaxKeyCopies = 40;

int32_t Modifiers() { return sADMTracker->GetModifiers(nullptr); }

// The 0x200 key with Trail: the selected objects follow the mouse instead of being copied.
AIErr MoveSelection(const EventContext& context) {
  AIRealMatrix matrix{};
  sAIRealMath->AIRealMatrixSetTranslate(&matrix, endPoint.h - startingPoint.h,
                                        endPoint.v - startingPoint.v);
  for (int32_t k = objectcount - 1; k >= 0; --k) {
    AIArtHandle object = (*matches)[k];
    if (object == nullptr) continue;
    AIRealRect bounds{};
    if (const AIErr error = sAIArt->GetArtBounds(object, &bounds)) return error;
    if (const AIErr error = TagAndTransformObject(object, matrix, context.transformFlags)) {
      return error;
    }
  }
  startingPoint = endPoint;
  return kNoErr;
}

}  // namespace

AIErr DragTool(EventContext& context) {
  if ((Modifiers() & kADMShiftKeyModifier) != 0) {
    if (++copiesvalue_1 > kMaxKeyCopies) copiesvalue_1 = 2;
  } else if ((Modifiers() & kADMAltKeyModifier) != 0) {
    if (trailvalue_1) return kNoErr;
  } else if ((Modifiers() & kADMCtrlKeyModifier) != 0 && trailvalue_1) {
    if (const AIErr error = MoveSelection(context)) return error;
  }

  AIReal dV = endPoint.v - startingPoint.v;
  AIReal dH = endPoint.h - startingPoint.h;
  if (lockedvalue_1) {
    const AIReal angle = std::fabs(sAIRealMath->AIRealPointAngle(&endPoint, &startingPoint));
    if (angle >= context.pi / 4 && angle <= 3 * context.pi / 4) {
      dH = 0;
    } else {
      dV = 0;
    }
  }
  // The palette keeps two copies at the least; a smaller count makes no row.
  if (copiesvalue_1 < 2) return kNoErr;
  const auto gaps = static_cast<AIReal>(copiesvalue_1 - 1);
  const AIReal sV = dV / gaps;
  const AIReal sH = dH / gaps;
  if (sV == 0 && sH == 0) return kNoErr;
  const AIReal theta = sAIRealMath->DegreeToRadian(rotatevalue_1);

  for (int32_t k = objectcount - 1; k >= 0; --k) {
    AIArtHandle object = (*matches)[k];
    if (object == nullptr) continue;
    AIRealPoint centre{};
    if (const AIErr error = BoundsCentre(object, centre)) return error;
    const AIRealPoint pivot = selectedcentrevalue_1 ? selectedCenter : centre;
    AIReal tH = 0;
    AIReal tV = 0;
    for (int i = 0; i < copiesvalue_1; ++i, tH += sH, tV += sV) {
      Member member;
      member.source = object;
      member.copyIndex = i;
      member.objectIndex = k;
      member.fillIndex = member.strokeIndex = i;
      member.fillSteps = Steps(fillprocessvalue, copiesvalue_1 - 1);
      member.strokeSteps = Steps(strokeprocessvalue, copiesvalue_1 - 1);
      const Placement placement = PlaceMember(kDragTraits, member);
      if (!placement.made) continue;
      AIArtHandle art = nullptr;
      const MemberKind kind = i == 0 ? MemberKind::SourceInPlace : MemberKind::Duplicate;
      if (const AIErr error = ObtainMember(kind, member, placement, art)) return error;

      AIRealMatrix matrix{};
      sAIRealMath->AIRealMatrixSetTranslate(&matrix, 0, 0);
      if (i == 0) {
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, -pivot.h, -pivot.v);
        sAIRealMath->AIRealMatrixConcatRotate(&matrix, theta);
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, pivot.h, pivot.v);
      }
      sAIRealMath->AIRealMatrixConcatTranslate(&matrix, tH, tV);
      AppendJitter(matrix, jitterxvalue_1, jitteryvalue_1);
      if (const AIErr error = FinishMember(kDragTraits, context, member, placement, art, matrix)) {
        return error;
      }
    }
  }
  return kNoErr;
}

}  // namespace ornix
