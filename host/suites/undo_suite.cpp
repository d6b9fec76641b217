// AI Undo Suite: reverts the artwork to its state at mouse down while a gesture is under way;
// at mouse up (or outside a gesture) it changes nothing. Touches the active host's document.
#include "AIUndo.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

AIErr undoChanges() {
  Host& host = Host::active();
  const GesturePhase phase = host.gesturePhase();
  // At mouse up the last event's artwork is the gesture's result, kept as one history step.
  if ((phase == GesturePhase::MouseDown || phase == GesturePhase::Drag) &&
      host.document().inGesture()) {
    host.document().revertGesture();
  }
  return kNoErr;
}

const AIUndoSuite kUndo = {
    .UndoChanges = QV_ENTRY(kAIUndoSuite, UndoChanges, undoChanges),
};

}  // namespace

void registerUndoSuite(SuiteRegistry& registry) {
  registry.add(kAIUndoSuite, kAIUndoSuiteVersion, &kUndo);
}

}  // namespace qv::host
