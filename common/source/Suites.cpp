// Acquires the five basic suites and the module's table once per process, keeps a holder
// count, retries optional suites, and releases everything that was acquired. Touches the
// process-wide suite pointers named by the tables.
#include "Suites.hpp"

#include "HostMemory.hpp"
#include "SuitePointers.hpp"

const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIAppContextSuite* sAIAppContext = nullptr;
const ADMBasicSuite* sADMBasic = nullptr;

ImportSuite gBasicSuites[kBasicSuiteCount] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, SuiteSlot(&sSPAccess)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, SuiteSlot(&sSPPlugins)},
    {kAINotifierSuite, kAINotifierSuiteVersion, SuiteSlot(&sAINotifier)},
    {kAIAppContextSuite, kAIAppContextSuiteVersion, SuiteSlot(&sAIAppContext)},
    {kADMBasicSuite, kADMBasicSuiteVersion, SuiteSlot(&sADMBasic)},
};

uint16_t Suites::fAcquiredCount = 0;

void* Suites::operator new(std::size_t size) noexcept { return ai::HostAllocate(size); }
void Suites::operator delete(void* block) noexcept { ai::HostFree(block); }

Suites::Suites() {
  acquireError = AcquireAllSuites();
  const ImportSuite* record = gImportSuites;
  while (record->name != nullptr) {
    ++requiredCount;
    ++record;
  }
  if (record->version == kOptionalSuitesMarker) {
    for (++record; record->name != nullptr; ++record) ++optionalCount;
  }
  if (acquireError == kNoErr) acquire_Optional_Suites();
}

Suites::~Suites() { ReleaseSuites(); }

ASErr Suites::AcquireOneSuite(const ImportSuite& record) {
  if (record.suite == nullptr) return kNoErr;
  return sSPBasic->AcquireSuite(record.name, record.version, record.suite);
}

ASErr Suites::ReleaseOneSuite(const ImportSuite& record) {
  if (record.suite == nullptr || *record.suite == nullptr) return kNoErr;
  const ASErr error = sSPBasic->ReleaseSuite(record.name, record.version);
  *record.suite = nullptr;
  return error;
}

ASErr Suites::AcquireAllSuites() {
  if (fAcquiredCount == 0) {
    for (const ImportSuite& record : gBasicSuites) {
      if (const ASErr error = AcquireOneSuite(record)) return error;
    }
    for (const ImportSuite* record = gImportSuites; record->name != nullptr; ++record) {
      if (const ASErr error = AcquireOneSuite(*record)) return error;
    }
  }
  ++fAcquiredCount;
  return kNoErr;
}

void Suites::acquire_Optional_Suites() {
  if (optionalAcquired == optionalCount) return;
  const ImportSuite* record = gImportSuites + requiredCount + 1;
  for (uint16_t i = 0; i < optionalCount && record->suite != nullptr; ++i, ++record) {
    if (*record->suite == nullptr && AcquireOneSuite(*record) == kNoErr) ++optionalAcquired;
  }
}

ASErr Suites::ReleaseSuites() {
  --fAcquiredCount;
  if (fAcquiredCount != 0) return kNoErr;
  for (const ImportSuite& record : gBasicSuites) {
    if (const ASErr error = ReleaseOneSuite(record)) return error;
  }
  const ImportSuite* record = gImportSuites;
  for (; record->name != nullptr; ++record) {
    if (const ASErr error = ReleaseOneSuite(*record)) return error;
  }
  if (record->version != kOptionalSuitesMarker) return kNoErr;
  for (++record; optionalAcquired > 0 && record->name != nullptr; ++record) {
    const bool held = record->suite != nullptr && *record->suite != nullptr;
    if (const ASErr error = ReleaseOneSuite(*record)) return error;
    if (held) --optionalAcquired;
  }
  return kNoErr;
}
