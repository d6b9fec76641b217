// ADM Tracker Suite: the modifier keys the host reports for the current event. Reads the
// active host's input state only.
#include "ADMTracker.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

int32_t getModifiers(ADMTrackerRef /*tracker*/) { return Host::active().modifiers(); }

const ADMTrackerSuite kTracker = {
    .GetModifiers = QV_VALUE_ENTRY(kADMTrackerSuite, GetModifiers, getModifiers),
};

}  // namespace

void registerTrackerSuite(SuiteRegistry& registry) {
  registry.add(kADMTrackerSuite, kADMTrackerSuiteVersion, &kTracker);
}

}  // namespace qv::host
