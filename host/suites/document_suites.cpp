// AI Document Suite, AI Layer Suite and AI Swatch List Suite: the artboard size, new layers
// and the count of layers, and the current document's swatches. Touches the active host's
// document only.
#include "AIDocument.h"
#include "AILayer.h"
#include "AISwatchList.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

Document& document() { return Host::active().document(); }

AIErr getDocumentSize(AIRealPoint* size) {
  if (size == nullptr) return kSPBadParameterError;
  *size = {document().width(), document().height()};
  return kNoErr;
}

AIErr insertLayer(AILayerHandle reference, int16_t paintOrder, AILayerHandle* newLayer) {
  if (newLayer == nullptr) return kSPBadParameterError;
  *newLayer = nullptr;
  if (reference != nullptr && document().layer(reference) == nullptr) return kSPBadHandleError;
  *newLayer = document().insertLayer(reference, paintOrder);
  return *newLayer != nullptr ? kNoErr : kSPBadParameterError;
}

AIErr countLayers(int32_t* count) {
  if (count == nullptr) return kSPBadParameterError;
  *count = static_cast<int32_t>(document().layers().size());
  return kNoErr;
}

// The swatches of `list`; only the current document's (a null list) exist.
std::vector<Swatch>* swatches(AISwatchListRef list) {
  return list == nullptr ? &document().swatches() : nullptr;
}

int32_t countSwatches(AISwatchListRef list) {
  const auto* all = swatches(list);
  return all != nullptr ? static_cast<int32_t>(all->size()) : 0;
}

AISwatchRef getNthSwatch(AISwatchListRef list, int32_t index) {
  auto* all = swatches(list);
  if (all == nullptr || index < 0 || static_cast<std::size_t>(index) >= all->size()) {
    return nullptr;
  }
  // The reference is only compared, never followed, until it is found among the swatches.
  return reinterpret_cast<AISwatchRef>(&(*all)[static_cast<std::size_t>(index)]);
}

AIErr getAIColor(AISwatchRef swatch, AIColor* color) {
  if (color == nullptr) return kSPBadParameterError;
  for (Swatch& candidate : document().swatches()) {
    if (reinterpret_cast<AISwatchRef>(&candidate) == swatch) {
      *color = candidate.color;
      return kNoErr;
    }
  }
  return kSPBadHandleError;
}

const AIDocumentSuite kDocument = {
    .GetDocumentSize = QV_ENTRY(kAIDocumentSuite, GetDocumentSize, getDocumentSize),
};

const AILayerSuite kLayer = {
    .InsertLayer = QV_ENTRY(kAILayerSuite, InsertLayer, insertLayer),
    .CountLayers = QV_ENTRY(kAILayerSuite, CountLayers, countLayers),
};

const AISwatchListSuite kSwatchList = {
    .CountSwatches = QV_VALUE_ENTRY(kAISwatchListSuite, CountSwatches, countSwatches),
    .GetNthSwatch = QV_VALUE_ENTRY(kAISwatchListSuite, GetNthSwatch, getNthSwatch),
    .GetAIColor = QV_ENTRY(kAISwatchListSuite, GetAIColor, getAIColor),
};

}  // namespace

void registerDocumentSuites(SuiteRegistry& registry) {
  registry.add(kAIDocumentSuite, kAIDocumentSuiteVersion, &kDocument);
  registry.add(kAILayerSuite, kAILayerSuiteVersion, &kLayer);
  registry.add(kAISwatchListSuite, kAISwatchListSuiteVersion, &kSwatchList);
}

}  // namespace qv::host
