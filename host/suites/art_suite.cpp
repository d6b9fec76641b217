// AI Art Suite: duplicating, reordering and disposing art, its type, the walk of its children
// and its bounds. Touches the active host's document only.
#include "AIArt.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

Document& document() { return Host::active().document(); }

bool validPaintOrder(int16_t paintOrder) {
  return paintOrder >= kPlaceAbove && paintOrder <= kPlaceBelowAll;
}

// The live art of `prep` (null stays null); false for a stale or foreign handle.
bool findPrep(AIArtHandle prep, const Art*& art) {
  art = prep == nullptr ? nullptr : document().find(prep);
  return prep == nullptr || art != nullptr;
}

AIErr duplicateArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
  if (newArt == nullptr) return kSPBadParameterError;
  *newArt = nullptr;
  const Art* source = document().find(handle);
  const Art* prepArt = nullptr;
  if (source == nullptr || !findPrep(prep, prepArt)) return kSPBadHandleError;
  if (!validPaintOrder(paintOrder)) return kSPBadParameterError;
  const Art* copy = document().duplicate(*source, paintOrder, prepArt);
  if (copy == nullptr) return kSPBadParameterError;
  *newArt = copy->handle;
  return kNoErr;
}

AIErr reorderArt(AIArtHandle handle, int16_t paintOrder, AIArtHandle prep) {
  Art* art = document().find(handle);
  const Art* prepArt = nullptr;
  if (art == nullptr || !findPrep(prep, prepArt)) return kSPBadHandleError;
  if (!validPaintOrder(paintOrder)) return kSPBadParameterError;
  return document().reorder(*art, paintOrder, prepArt) ? kNoErr : kSPBadParameterError;
}

AIErr disposeArt(AIArtHandle handle) {
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  document().dispose(*art);
  return kNoErr;
}

AIErr getArtType(AIArtHandle handle, int16_t* type) {
  if (type == nullptr) return kSPBadParameterError;
  *type = kUnknownArt;
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  *type = art->type;
  return kNoErr;
}

AIErr getArtFirstChild(AIArtHandle handle, AIArtHandle* child) {
  if (child == nullptr) return kSPBadParameterError;
  *child = nullptr;
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  // Children are kept bottom first; the walk starts at the top.
  if (!art->children.empty()) *child = art->children.back()->handle;
  return kNoErr;
}

AIErr getArtSibling(AIArtHandle handle, AIArtHandle* sibling) {
  if (sibling == nullptr) return kSPBadParameterError;
  *sibling = nullptr;
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  if (const Art* next = document().below(*art)) *sibling = next->handle;
  return kNoErr;
}

AIErr getArtBounds(AIArtHandle handle, AIRealRect* bounds) {
  if (bounds == nullptr) return kSPBadParameterError;
  *bounds = {0, 0, 0, 0};
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  *bounds = document().bounds(*art).rect;
  return kNoErr;
}

const AIArtSuite kArt = {
    .DuplicateArt = QV_ENTRY(kAIArtSuite, DuplicateArt, duplicateArt),
    .ReorderArt = QV_ENTRY(kAIArtSuite, ReorderArt, reorderArt),
    .DisposeArt = QV_ENTRY(kAIArtSuite, DisposeArt, disposeArt),
    .GetArtType = QV_ENTRY(kAIArtSuite, GetArtType, getArtType),
    .GetArtFirstChild = QV_ENTRY(kAIArtSuite, GetArtFirstChild, getArtFirstChild),
    .GetArtSibling = QV_ENTRY(kAIArtSuite, GetArtSibling, getArtSibling),
    .GetArtBounds = QV_ENTRY(kAIArtSuite, GetArtBounds, getArtBounds),
};

}  // namespace

void registerArtSuite(SuiteRegistry& registry) {
  registry.add(kAIArtSuite, kAIArtSuiteVersion, &kArt);
}

}  // namespace qv::host
