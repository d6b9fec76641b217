// The path snapshot, through the host's Matching Art, MdMemory and Document suites. Writes
// `matches`, `objectcount` and `documentcentre` and nothing else.
#include "Snapshot.hpp"

#include "Options.hpp"
#include "SuitePointers.hpp"

namespace pivora {

namespace {

constexpr AIMatchingArtSpec kSelectedPaths[] = {{kPathArt, kArtSelected, kArtSelected},
                                                {kMysteryPathArt, kArtSelected, kArtSelected}};
constexpr int16_t kSelectedPathKinds = sizeof kSelectedPaths / sizeof kSelectedPaths[0];

}  // namespace

void ReleaseSnapshot() {
  if (matches != nullptr) {
    sAIMdMemory->MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(matches));
  }
  matches = nullptr;
  objectcount = 0;
}

AIErr TakeSnapshot() {
  ReleaseSnapshot();
  int32_t found = 0;
  const AIErr error =
      sAIMatchingArt->GetMatchingArt(kSelectedPaths, kSelectedPathKinds, &matches, &found);
  // After a failure (or with nothing found) the drag must change nothing: the snapshot is
  // empty, whatever count the host left.
  if (error != kNoErr || found <= 0 || matches == nullptr || *matches == nullptr) {
    ReleaseSnapshot();
    return error;
  }
  objectcount = found;
  // A document size the host did not give keeps the centre of the last mouse down.
  AIRealPoint size{0, 0};
  if (sAIDocument->GetDocumentSize(&size) == kNoErr) documentcentre = {size.h / 2, size.v / 2};
  return kNoErr;
}

}  // namespace pivora
