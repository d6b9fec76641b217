// The per-event loop of the point-drag tool, through the host's ADM Tracker, Undo, Tool, Swatch
// List, Path, Real Math, Random, Art and Layer suites. Edits the snapshot's paths and may add
// trace copies and a layer; writes `startingPoint`, `endPoint` and, with the 0x200 key, the
// three interpolation options.
#include "PointDrag.hpp"

#include <utility>

#include "DragModes.hpp"
#include "Options.hpp"
#include "PathRestyle.hpp"
#include "SuitePointers.hpp"

namespace pivora {

namespace {

constexpr double kMaxPressure = 255.0;
constexpr float kMaxPercent = 100;
constexpr AIReal kCoinFlip = 0.5f;

// What every segment of one event reads.
struct Event {
  modes::Frame frame;
  modes::Rule rule;
  AIReal pressure = 1;  // the pen pressure as a factor; 1 without Pressure or a pressure system
  int32_t swatchCount = 0;
};

bool Held(int32_t key) { return (sADMTracker->GetModifiers(nullptr) & key) != 0; }

AIReal Draw() { return sAIRandom->FloatRnd(); }

// The 0x200 key steps an interpolation option by one, past 100 back to 0.
void Step(float& percent) {
  percent += 1;
  if (percent > kMaxPercent) percent = 0;
}

modes::Rule CurrentRule() {
  return {.swap = swapinoutvalue,
          .locked = lockedvalue,
          .horizontal = horizontalvalue,
          .vertical = verticalvalue,
          .in = incomponentvalue,
          .out = outcomponentvalue};
}

// Moves `point` back towards the unedited one; the host's blend keeps the share `percent` of
// the edited point. A blend the host did not give leaves the point as edited.
void Blend(AIRealPoint& point, const AIRealPoint& unedited, float percent, AIReal pressure) {
  AIRealPoint blended = point;
  sAIRealMath->AIRealPointInterpolate(&point, &unedited, percent * pressure / kMaxPercent,
                                      &blended);
  point = blended;
}

// Segment i of `path`. A nonzero result ends the event; a selection-state error is stored in
// `error` and the segment then counts as not selected.
AIErr DragSegment(AIArtHandle path, int16_t i, int32_t& mode, const Event& event, AIErr& error) {
  AIPathSegment segment{};
  if (const AIErr read = sAIPath->GetPathSegments(path, i, 1, &segment)) return read;
  int16_t selected = kSegmentNotSelected;
  error = sAIPath->GetPathSegmentSelected(path, i, &selected);
  const AIPathSegment unedited = segment;
  if (typepointrandomvalue) mode = modes::ModeFromDraw(Draw());
  if (selected == kSegmentNotSelected) return kNoErr;

  if (preswapvalue) std::swap(segment.in, segment.out);
  modes::ApplyMode(mode, segment, event.frame, event.rule);
  bool write = true;
  if (dragornotvalue && Draw() > kCoinFlip) write = false;
  if (alternatingvalue && i % 2 == 1) write = false;

  Blend(segment.in, unedited.in, interpolateinvalue, event.pressure);
  Blend(segment.out, unedited.out, interpolateoutvalue, event.pressure);
  Blend(segment.p, unedited.p, interpolatepointvalue, event.pressure);
  if (anchorrandomvalue) {
    const AIReal draws[4] = {Draw(), Draw(), Draw(), Draw()};
    modes::ScatterHandles(segment, draws);
  }
  modes::LimitHandles(segment, limitdirectionvalue);
  if (!write) return kNoErr;
  return sAIPath->SetPathSegments(path, i, 1, &segment);
}

// Trail/trace: a copy keeps the path's shape of this event and the path itself goes to the top
// (with Trail/beneath, the bottom); Trail/new layer then opens a new top layer.
AIErr Trace(AIArtHandle path) {
  if (!trailvalue) return kNoErr;
  const int16_t order = trailbeneathvalue ? kPlaceBelowAll : kPlaceAboveAll;
  AIArtHandle copy = nullptr;
  if (const AIErr error = sAIArt->DuplicateArt(path, order, path, &copy)) return error;
  if (const AIErr error = sAIArt->ReorderArt(path, order, nullptr)) return error;
  if (traillayervalue && !trailbeneathvalue) {
    AILayerHandle layer = nullptr;
    return sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer);
  }
  return kNoErr;
}

AIErr DragPath(AIArtHandle path, int32_t& mode, const Event& event, AIErr& error) {
  if (typepathrandomvalue) mode = modes::ModeFromDraw(Draw());
  int16_t count = 0;
  if (const AIErr failed = sAIPath->GetPathSegmentCount(path, &count)) return failed;
  for (int16_t i = 0; i < count; ++i) {
    if (const AIErr failed = DragSegment(path, i, mode, event, error)) return failed;
  }
  RestylePath(path, event.swatchCount, error);
  return Trace(path);
}

}  // namespace

AIErr pointdrag(AIRealPoint cursor, AIToolPressure pressure) {
  AIErr error = kNoErr;
  Event event;
  event.swatchCount = sAISwatchList->CountSwatches(nullptr);

  if (Held(kADMShiftKeyModifier)) {
    startingPoint = cursor;
    return kNoErr;
  }
  if (Held(kADMCtrlKeyModifier)) {
    Step(interpolateinvalue);
    Step(interpolateoutvalue);
    Step(interpolatepointvalue);
  } else if (Held(kADMAltKeyModifier) && trailvalue) {
    return kNoErr;
  }

  if (!trailvalue) error = sAIUndo->UndoChanges();
  if (pressurevalue) {
    AIBoolean hasPressure = false;
    error = sTool->SystemHasPressure(&hasPressure);
    if (hasPressure) event.pressure = static_cast<AIReal>(pressure / kMaxPressure);
  }

  endPoint = cursor;
  if (endPoint.h == startingPoint.h && endPoint.v == startingPoint.v) return error;
  event.frame = {startingPoint, endPoint, documentcentre};
  event.rule = CurrentRule();

  int32_t mode = dragmode;
  if (matches == nullptr) return error;
  for (int32_t k = objectcount - 1; k >= 0; --k) {
    AIArtHandle path = (*matches)[k];
    if (path == nullptr) continue;
    if (const AIErr failed = DragPath(path, mode, event, error)) return failed;
  }
  return error;
}

}  // namespace pivora
