// The ADM Tracker Suite as a module calls it: the modifier keys the host reports now.
#include "ADMTracker.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

using TrackerSuiteTest = DocumentTest;

TEST_F(TrackerSuiteTest, ModifiersAreTheHostsKeysOfTheEvent) {
  const auto& tracker = suite<ADMTrackerSuite>(kADMTrackerSuite, kADMTrackerSuiteVersion);
  const int32_t cases[] = {0, kADMShiftKeyModifier, kADMAltKeyModifier | kADMCtrlKeyModifier};
  for (const int32_t keys : cases) {
    host().setModifiers(keys);
    EXPECT_EQ(tracker.GetModifiers(nullptr), keys);
  }
}

}  // namespace
}  // namespace qv::test
