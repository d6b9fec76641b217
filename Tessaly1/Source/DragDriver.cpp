// The per-event drag driver of the copy tool. Calls the host's Undo, Tool, Document, Swatch
// List and Layer suites; writes `endPoint`, `count`, and the options that a trail or the Layer
// option force (the Delete options of tools 3, 5, 8, 12 and `beneathoptions`).
#include "DragDriver.hpp"

#include "SuitePointers.hpp"

namespace ornix {

namespace {

// A tool's Trail option and the Delete option that a trail switches off.
struct TrailOptions {
  bool* trail;
  bool* deletePath;
};

// Tools 9 and 11 have no Trail: they always start again from the artwork at mouse down.
const TrailOptions kTrailOptions[kToolCount] = {{&trailvalue_0, nullptr},
                                                {&trailvalue_1, nullptr},
                                                {&trailvalue_2, nullptr},
                                                {&trailvalue_3, &deletepathvalue_3},
                                                {&trailvalue_4, nullptr},
                                                {&trailvalue_5, &deletepathvalue_5},
                                                {&trailvalue_6, nullptr},
                                                {&trailvalue_7, nullptr},
                                                {&trailvalue_8, &deletepathvalue_8},
                                                {nullptr, nullptr},
                                                {&trailvalue_10, nullptr},
                                                {nullptr, nullptr},
                                                {&trailvalue_12, &deletepathvalue_12}};

constexpr double kMaxPressure = 255.0;

bool KnownTool(int32_t tool) { return tool >= 0 && tool < kToolCount; }

// Leaves the artwork as the earlier events made it when the tool leaves a trail (whose copies
// must then stay: the tool's Delete option goes off); otherwise starts again from the artwork
// at mouse down.
void TrailOrUndo() {
  const TrailOptions* options = KnownTool(currenttool) ? &kTrailOptions[currenttool] : nullptr;
  if (options != nullptr && options->trail != nullptr && *options->trail) {
    if (options->deletePath != nullptr) *options->deletePath = false;
    return;
  }
  sAIUndo->UndoChanges();
}

AIReal PressureFactor(AIToolPressure pressure) {
  AIBoolean hasPressure = false;
  sTool->SystemHasPressure(&hasPressure);
  return hasPressure ? static_cast<AIReal>(pressure / kMaxPressure) : 1.0f;
}

}  // namespace

AIErr tooldrag(AIRealPoint cursor, AIToolPressure pressure) {
  EventContext context;
  TrailOrUndo();
  context.pressure = PressureFactor(pressure);

  AIRealPoint size{0, 0};
  if (const AIErr error = sAIDocument->GetDocumentSize(&size)) return error;
  context.documentCentre = {size.h / 2, size.v / 2};
  endPoint = cursor;

  if (objectcount > kMaxSnapshotObjects) return kNoErr;
  context.swatchCount = sAISwatchList->CountSwatches(nullptr);

  if (layer) {
    beneathoptions = 0;
    AILayerHandle newLayer = nullptr;
    if (const AIErr error = sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &newLayer)) {
      return error;
    }
  }

  // Slowdown: `countvalue` events are skipped between two processed ones.
  if (count < countvalue) {
    ++count;
    return kNoErr;
  }
  count = 0;

  if (KnownTool(currenttool)) {
    if (const ToolBlock block = gToolBlocks[currenttool]) {
      if (const AIErr error = block(context)) return error;
    }
  }
  ++count;
  return context.result;
}

}  // namespace ornix
