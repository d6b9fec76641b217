// The pattern popup's mirror tiles: up to three reflected duplicates of a member across the
// vertical and horizontal lines through a point and across the point itself. Touches the
// member's duplicates only.
#include "CopyTools.hpp"
#include "Pipeline.hpp"
#include "Styling.hpp"
#include "SuitePointers.hpp"

namespace {

constexpr int32_t kGeometryOnly = 1;

AIErr ApplyMatrix(AIArtHandle art, const AIRealMatrix& matrix) {
  return ornix::TagAndTransformObject(art, matrix, kGeometryOnly);
}

// Moves an object by (dx, dy), written as the tile's translations about its centre c.
AIErr Move(AIArtHandle art, AIRealPoint c, AIReal dx, AIReal dy) {
  AIRealMatrix matrix{};
  sAIRealMath->AIRealMatrixSetTranslate(&matrix, -c.h, -c.v);
  sAIRealMath->AIRealMatrixConcatTranslate(&matrix, c.h, c.v);
  sAIRealMath->AIRealMatrixConcatTranslate(&matrix, dx, dy);
  return ApplyMatrix(art, matrix);
}

// Scales an object about its own centre.
AIErr ScaleInPlace(AIArtHandle art, AIReal sh, AIReal sv) {
  AIRealPoint c{};
  if (const AIErr error = ornix::BoundsCentre(art, c)) return error;
  AIRealMatrix matrix{};
  sAIRealMath->AIRealMatrixSetTranslate(&matrix, -c.h, -c.v);
  sAIRealMath->AIRealMatrixConcatScale(&matrix, sh, sv);
  sAIRealMath->AIRealMatrixConcatTranslate(&matrix, c.h, c.v);
  return ApplyMatrix(art, matrix);
}

}  // namespace

AIErr patternoptions(AIArtHandle member, int beneath, AIReal x, AIReal y, int mode) {
  if (mode < 1 || mode > 4) return kNoErr;
  const int16_t order = beneath != 0 ? kPlaceBelowAll : kPlaceAboveAll;
  AIArtHandle a = nullptr;
  if (const AIErr error = sAIArt->DuplicateArt(member, order, member, &a)) return error;
  AIRealPoint c{};
  if (const AIErr error = ornix::BoundsCentre(a, c)) return error;
  if (const AIErr error = Move(a, c, 2 * (x - c.h), 0)) return error;
  if (mode == 4) return ScaleInPlace(a, -1, 1);

  AIArtHandle b = nullptr;
  if (const AIErr error = sAIArt->DuplicateArt(member, order, member, &b)) return error;
  if (const AIErr error = Move(b, c, 2 * (x - c.h), 2 * (y - c.v))) return error;
  AIArtHandle d = nullptr;
  if (const AIErr error = sAIArt->DuplicateArt(member, order, member, &d)) return error;
  if (const AIErr error = Move(d, c, 0, 2 * (y - c.v))) return error;

  // The two single mirrors shrink in modes 2 and 3; the diagonal one keeps its size.
  static constexpr AIReal kShrink[] = {1, 0.5f, 0.2f};
  const AIReal shrink = kShrink[mode - 1];
  if (const AIErr error = ScaleInPlace(a, -shrink, shrink)) return error;
  if (const AIErr error = ScaleInPlace(b, -1, -1)) return error;
  return ScaleInPlace(d, shrink, -shrink);
}
