// Suite acquisition of a module: the ImportSuite records, the five basic suites every module
// takes first, the module's own table (defined by each module), and the Suites object that
// acquires them all once per process and releases them again.
#ifndef QV_SUITES_HPP
#define QV_SUITES_HPP

#include <cstddef>
#include <cstdint>

#include "SPTypes.h"

struct ImportSuite {
  const char* name;    // null ends a run of records
  int32_t version;     // in a terminator: kOptionalSuitesMarker when optional records follow
  const void** suite;  // the process-wide pointer that receives the suite; null marks a place
};

// Terminator version that opens the optional records of a table.
constexpr int32_t kOptionalSuitesMarker = QV_FOURCC('O', 'P', 'T', 'S');

constexpr int kBasicSuiteCount = 5;
extern ImportSuite gBasicSuites[kBasicSuiteCount];
// Defined by each module: required records, a terminator, optionally more records and a
// second terminator.
extern ImportSuite gImportSuites[];

class Suites {
 public:
  Suites();
  ~Suites();
  Suites(const Suites&) = delete;
  Suites& operator=(const Suites&) = delete;

  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* block) noexcept;

  ASErr Error() const { return acquireError; }
  void ResetAcquiredCount() { fAcquiredCount = 1; }
  void acquire_Optional_Suites();
  ASErr ReleaseSuites();

  static uint16_t AcquiredCount() { return fAcquiredCount; }
  uint16_t OptionalAcquired() const { return optionalAcquired; }

 private:
  ASErr AcquireAllSuites();
  static ASErr AcquireOneSuite(const ImportSuite& record);
  static ASErr ReleaseOneSuite(const ImportSuite& record);

  ASErr acquireError = kNoErr;
  uint16_t optionalCount = 0;
  uint16_t requiredCount = 0;
  uint16_t optionalAcquired = 0;
  static uint16_t fAcquiredCount;
};

#endif
