// AI Matching Art Suite and AI MdMemory Suite: the live art that matches a list of type and
// attribute queries, handed to the calling module as a host memory handle it gives back.
// Touches the active host's document (read only) and its memory handles.
#include <span>
#include <vector>

#include "AIMatchingArt.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

// Groups and text are containers or pass-through to the modules: listed only by name.
bool namedOnly(int16_t type) {
  switch (type) {
    case kGroupArt:
    case kTextArtUnsupported:
    case kTextPathArtUnsupported:
    case kTextRunArtUnsupported:
    case kTextFrameArt:
    case kLegacyTextArt:
      return true;
    default:
      return false;
  }
}

int32_t attributes(const Art& art) {
  return (art.selected ? kArtSelected : 0) | (art.locked ? kArtLocked : 0) |
         (art.hidden ? kArtHidden : 0);
}

bool fits(const Art& art, const AIMatchingArtSpec& query) {
  const bool type = query.type == art.type || (query.type == kAnyArt && !namedOnly(art.type));
  return type && (attributes(art) & query.whichAttr) == query.attr;
}

// The inside of an envelope is one object with it, never listed on its own.
bool insideEnvelope(const Art& art) {
  for (const Art* at = art.container.art; at != nullptr; at = at->container.art) {
    if (at->envelope) return true;
  }
  return false;
}

AIErr getMatchingArt(const AIMatchingArtSpec* queries, int16_t numQueries, AIArtHandle*** matches,
                     int32_t* numMatches) {
  if (matches == nullptr || numMatches == nullptr) return kSPBadParameterError;
  *matches = nullptr;
  *numMatches = 0;
  if (queries == nullptr || numQueries < 1) return kSPBadParameterError;
  const std::span<const AIMatchingArtSpec> wanted(queries, static_cast<std::size_t>(numQueries));
  Host& host = Host::active();
  std::vector<AIArtHandle> found;
  host.document().forEach([&](const Art& art) {
    for (const AIMatchingArtSpec& query : wanted) {
      if (fits(art, query) && !insideEnvelope(art)) {
        found.push_back(art.handle);
        return;
      }
    }
  });
  if (found.empty()) return kNoErr;
  const AIMdMemoryHandle handle =
      host.memoryHandles().add(host.current(), std::as_bytes(std::span(found)));
  *matches = reinterpret_cast<AIArtHandle**>(handle);
  *numMatches = static_cast<int32_t>(found.size());
  return kNoErr;
}

AIErr mdMemoryDisposeHandle(AIMdMemoryHandle handle) {
  Host& host = Host::active();
  if (host.memoryHandles().dispose(handle)) return kNoErr;
  host.misuse("disposed a memory handle the host did not hand out");
  return kSPBadHandleError;
}

AIErr mdMemoryGetSize(AIMdMemoryHandle handle, size_t* size) {
  if (size == nullptr) return kSPBadParameterError;
  *size = 0;
  const auto bytes = Host::active().memoryHandles().size(handle);
  if (!bytes) return kSPBadHandleError;
  *size = *bytes;
  return kNoErr;
}

const AIMatchingArtSuite kMatchingArt = {
    .GetMatchingArt = QV_ENTRY(kAIMatchingArtSuite, GetMatchingArt, getMatchingArt),
};

const AIMdMemorySuite kMdMemory = {
    .MdMemoryDisposeHandle =
        QV_ENTRY(kAIMdMemorySuite, MdMemoryDisposeHandle, mdMemoryDisposeHandle),
    .MdMemoryGetSize = QV_ENTRY(kAIMdMemorySuite, MdMemoryGetSize, mdMemoryGetSize),
};

}  // namespace

void registerSelectionSuites(SuiteRegistry& registry) {
  registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingArt);
  registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMdMemory);
}

}  // namespace qv::host
