// Tagging and transforming a whole object, compound paths child by child.
#include "CopyTools.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {
constexpr char kTag[] = "tessaly";

AIErr TagAndTransform(AIArtHandle path, const AIRealMatrix& matrix, int32_t flags) {
  sAITag->SetTag(path, kTag, "string", kTag);
  return sAITransformArt->TransformArt(path, &matrix, 1.0f, flags);
}
}  // namespace

AIErr TagAndTransformObject(AIArtHandle art, const AIRealMatrix& matrix, int32_t flags) {
  int16_t type = kUnknownArt;
  sAIArt->GetArtType(art, &type);
  if (type != kCompoundPathArt) return TagAndTransform(art, matrix, flags);
  AIArtHandle child = nullptr;
  if (const AIErr error = sAIArt->GetArtFirstChild(art, &child)) return error;
  while (child != nullptr) {
    if (const AIErr error = TagAndTransform(child, matrix, flags)) return error;
    AIArtHandle next = nullptr;
    if (const AIErr error = sAIArt->GetArtSibling(child, &next)) return error;
    child = next;
  }
  return kNoErr;
}

}  // namespace ornix
