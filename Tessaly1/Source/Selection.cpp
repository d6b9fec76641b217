// The selection snapshot, through the host's Matching Art, Art and MdMemory suites. Reads the
// document, writes `matches`, `objectcount` and `selectedCenter` and nothing else.
#include "Selection.hpp"

#include <algorithm>

#include "Options.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {

// Selected art of the kinds the copy tools duplicate; a group is never listed itself, its
// selected members are.
constexpr AIMatchingArtSpec kSelectedKinds[] = {
    {kCompoundPathArt, kArtSelected, kArtSelected}, {kPathArt, kArtSelected, kArtSelected},
    {kMysteryPathArt, kArtSelected, kArtSelected},  {kSymbolArt, kArtSelected, kArtSelected},
    {kPlacedArt, kArtSelected, kArtSelected},       {kRasterArt, kArtSelected, kArtSelected},
    {kMeshArt, kArtSelected, kArtSelected}};
constexpr int16_t kSelectedKindCount = sizeof kSelectedKinds / sizeof kSelectedKinds[0];

void Extend(AIRealRect& running, const AIRealRect& bounds) {
  running.left = std::min(running.left, bounds.left);
  running.right = std::max(running.right, bounds.right);
  running.top = std::max(running.top, bounds.top);
  running.bottom = std::min(running.bottom, bounds.bottom);
}

AIRealPoint Centre(const AIRealRect& r) {
  return {r.left + (r.right - r.left) / 2, r.bottom + (r.top - r.bottom) / 2};
}

// Nulls every entry that is one of the compound path's own paths.
void NullChildren(AIArtHandle* art, int32_t count, AIArtHandle compound) {
  AIArtHandle child = nullptr;
  sAIArt->GetArtFirstChild(compound, &child);
  while (child != nullptr) {
    std::replace(art, art + count, child, AIArtHandle{nullptr});
    AIArtHandle next = nullptr;
    sAIArt->GetArtSibling(child, &next);
    child = next;
  }
}

}  // namespace

void ReleaseSelection() {
  if (matches == nullptr) return;
  sAIMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(matches));
  matches = nullptr;
}

AIErr get_selection() {
  ReleaseSelection();
  objectcount = 0;
  int32_t found = 0;
  if (sAIMatchingArt->GetMatchingArt(kSelectedKinds, kSelectedKindCount, &matches, &found) !=
      kNoErr) {
    ReleaseSelection();
    return kNoErr;
  }
  if (matches == nullptr || *matches == nullptr || found <= 0) return kNoErr;
  objectcount = found;

  AIArtHandle* art = *matches;
  AIRealRect running{};
  bool haveBounds = false;
  for (int32_t i = 0; i < objectcount; ++i) {
    if (art[i] == nullptr) continue;
    AIRealRect bounds{};
    if (sAIArt->GetArtBounds(art[i], &bounds) == kNoErr) {
      if (haveBounds) {
        Extend(running, bounds);
      } else {
        running = bounds;
        haveBounds = true;
      }
    }
    int16_t type = kUnknownArt;
    sAIArt->GetArtType(art[i], &type);
    if (type == kCompoundPathArt) NullChildren(art, objectcount, art[i]);
  }
  // Without any readable bounds there is no centre; the copy tools then make nothing anyway.
  if (haveBounds) selectedCenter = Centre(running);
  return kNoErr;
}

}  // namespace ornix
