// Copy tool 0, Grid: fills the rectangle spanned by each selected object and the drag with a
// grid of copies, thinned by checkerboards, scaled by apply patterns, turned cell by cell,
// fitted to the spacing (Touch), with an optional frame behind it (Box). Reads and writes the
// tool's options; makes art through the copy pipeline and, for the frame, the Shape
// Construction, Art and Path Style suites.
#include <cmath>

#include "CopyTools.hpp"
#include "GridPatterns.hpp"
#include "Pipeline.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {

const ToolTraits kGridTraits{RestyleOrder::TransformThenRestyle, true, OpacityVariant::Default,
                             &placementvalue_0, &envelopevalue_0};
constexpr int32_t kMaxKeyCount = 40;
constexpr AIReal kRotationKeyStep = 5;
constexpr AIReal kFullTurn = 360;
constexpr AIReal kGolden = 0.618034f;
constexpr AIReal kGoldenLong = 1.618034f;
constexpr AIReal kQuarterTurn = 1.5707964f;

int32_t Modifiers() { return sADMTracker->GetModifiers(nullptr); }

// One of the grid's spacings: the extent over the gaps; with one column (or row) there are no
// gaps and the spacing is 0.
AIReal Spacing(AIReal extent, int32_t count) {
  return count > 1 ? extent / static_cast<AIReal>(count - 1) : 0;
}

// Touch: the factor that fits an object of `size` into one spacing; 1 where no fit exists.
AIReal TouchFactor(AIReal spacing, AIReal size, int32_t count) {
  return count > 1 && size != 0 ? spacing / size : 1;
}

// Half of one gap between neighbouring members; 0 with a single column or row.
AIReal Padding(AIReal span, AIReal member, int32_t count) {
  return count > 1
             ? (span - member * static_cast<AIReal>(count)) / static_cast<AIReal>(2 * count - 2)
             : 0;
}

// An unfilled frame behind one object's grid. Failures leave it out, never end the event.
void DrawBox(const AIRealRect& b0, const AIRealRect& b) {
  const AIReal padH = Padding(b.right - b0.left, b.right - b.left, horizontalcopiesvalue_0);
  const AIReal padV = Padding(b.top - b0.bottom, b.top - b.bottom, verticalcopiesvalue_0);
  AIArtHandle frame = nullptr;
  if (sAIShapeConstruction->NewRect(b.top + padV, b0.left - padH, b0.bottom - padV, b.right + padH,
                                    false, &frame) != kNoErr ||
      frame == nullptr) {
    return;
  }
  sAIArt->ReorderArt(frame, kPlaceBelowAll, nullptr);
  AIPathStyle style{};
  if (sAIPathStyle->GetPathStyle(frame, &style) != kNoErr) return;
  style.fillPaint = false;
  style.fill.color.kind = kGrayColor;
  sAIPathStyle->SetPathStyle(frame, &style);
}

// The keys: 0x20 grows the columns (with 0x40) or the rows, 0x200 turns further, and 0x40
// pauses a trail. False when the event must end here.
bool ApplyKeys() {
  if ((Modifiers() & kADMShiftKeyModifier) != 0) {
    int32_t& count =
        (Modifiers() & kADMAltKeyModifier) != 0 ? horizontalcopiesvalue_0 : verticalcopiesvalue_0;
    if (++count > kMaxKeyCount) count = 2;
  } else if ((Modifiers() & kADMCtrlKeyModifier) != 0) {
    rotatevalue_0 += kRotationKeyStep;
    if (rotatevalue_0 > kFullTurn) rotatevalue_0 = 0;
  } else if ((Modifiers() & kADMAltKeyModifier) != 0 && trailvalue_0) {
    return false;
  }
  return true;
}

struct Grid {
  AIReal sH, sV;
  AIReal theta;
};

// The scale of cell (r, q): the apply patterns, or the touch factors.
gridpatterns::Factor CellScale(int r, int q, AIReal tH, AIReal tV) {
  if (scaledvalue_0) return {tH, tV};
  const bool random = gridpatterns::ApplyUsesRandom(scalexoptions_0) ||
                      gridpatterns::ApplyUsesRandom(scaleyoptions_0);
  const AIReal u = random ? sAIRandom->FloatRnd() : 0;
  const gridpatterns::Factor x = gridpatterns::ApplyFactor(scalexoptions_0, q, u);
  const gridpatterns::Factor y = gridpatterns::ApplyFactor(scaleyoptions_0, r, u);
  return {x.h * y.h, x.v * y.v};
}

AIErr ObjectGrid(EventContext& context, const Grid& grid, int32_t k) {
  AIArtHandle object = (*matches)[k];
  AIRealRect b0{};
  if (const AIErr error = sAIArt->GetArtBounds(object, &b0)) return error;
  const AIRealPoint c{b0.left + (b0.right - b0.left) / 2, b0.bottom + (b0.top - b0.bottom) / 2};
  const AIRealPoint p = selectedcentrevalue_0 ? selectedCenter : c;
  const AIReal tH = TouchFactor(grid.sH, b0.right - b0.left, horizontalcopiesvalue_0);
  const AIReal tV = TouchFactor(grid.sV, b0.top - b0.bottom, verticalcopiesvalue_0);
  AIRealRect b = b0;
  bool first = true;
  AIReal oV = 0;
  for (int r = 0; r < verticalcopiesvalue_0; ++r, oV += grid.sV) {
    AIReal oH = 0;
    for (int q = 0; q < horizontalcopiesvalue_0; ++q, oH += grid.sH) {
      Member member;
      member.source = object;
      member.copyIndex = r;
      member.rowIndex = q;
      member.objectIndex = k;
      member.twoDimensional = 1;
      member.fillIndex = member.strokeIndex = r;
      member.fillSteps = Steps(fillprocessvalue, verticalcopiesvalue_0 - 1);
      member.strokeSteps = Steps(strokeprocessvalue, verticalcopiesvalue_0 - 1);
      const Placement placement = PlaceMember(kGridTraits, member);
      if (!placement.made || gridpatterns::CheckEmpty(checkoptions_0, r, q)) continue;

      const gridpatterns::Factor scale = CellScale(r, q, tH, tV);
      member.lineScale = LineScale(scale.h, scale.v, r % 2 == 0 && q % 2 == 0);
      AIArtHandle art = nullptr;
      const MemberKind kind = first ? MemberKind::SourceInPlace : MemberKind::Duplicate;
      if (const AIErr error = ObtainMember(kind, member, placement, art)) return error;
      AIRealMatrix matrix{};
      sAIRealMath->AIRealMatrixSetTranslate(&matrix, -p.h, -p.v);
      sAIRealMath->AIRealMatrixConcatScale(&matrix, scale.h, scale.v);
      if (first) {
        // The object itself stays in cell (0, 0)'s place, whichever cell it stands for.
        sAIRealMath->AIRealMatrixConcatRotate(&matrix, grid.theta);
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, p.h, p.v);
      } else {
        if (rotation_0) {
          sAIRealMath->AIRealMatrixConcatRotate(&matrix, sAIRandom->FloatRnd() * grid.theta);
        }
        if (gridpatterns::TurnCell(flipoptions_0, r, q)) {
          sAIRealMath->AIRealMatrixConcatRotate(&matrix, kQuarterTurn);
        }
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, p.h, p.v);
        sAIRealMath->AIRealMatrixConcatTranslate(&matrix, oH, oV);
      }
      first = false;
      AppendJitter(matrix, jittervalue_0);
      if (const AIErr error = FinishMember(kGridTraits, context, member, placement, art, matrix)) {
        return error;
      }
      if (boundbox_0) sAIArt->GetArtBounds(art, &b);
    }
  }
  if (boundbox_0) DrawBox(b0, b);
  return kNoErr;
}

}  // namespace

AIErr GridTool(EventContext& context) {
  if (!ApplyKeys()) return kNoErr;
  AIReal dV = endPoint.v - startingPoint.v;
  const AIReal dH = endPoint.h - startingPoint.h;
  if (lockedvalue_0) {
    dV = dH;
  } else if (lockedhvalue_0) {
    dV = dH * kGolden;
  } else if (lockedvvalue_0) {
    dV = dH * kGoldenLong;
  }
  Grid grid{Spacing(dH, horizontalcopiesvalue_0), Spacing(dV, verticalcopiesvalue_0), 0};
  // A single column or row has no spacing; the drag along it still counts as a drag.
  const bool stillH = horizontalcopiesvalue_0 > 1 ? grid.sH == 0 : dH == 0;
  const bool stillV = verticalcopiesvalue_0 > 1 ? grid.sV == 0 : dV == 0;
  if (stillH && stillV) return kNoErr;
  grid.theta = sAIRealMath->DegreeToRadian(rotatevalue_0);
  for (int32_t k = objectcount - 1; k >= 0; --k) {
    if ((*matches)[k] == nullptr) continue;
    if (const AIErr error = ObjectGrid(context, grid, k)) return error;
  }
  return kNoErr;
}

}  // namespace ornix
