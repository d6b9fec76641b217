/* AI Matching Art Suite (version 5) and AI MdMemory Suite (version 1): the art that
 * matches a list of (type, attribute mask, value) triples, handed out as a host memory handle
 * that the caller owns until MdMemoryDisposeHandle. "AI Matching Art Suite" 5,
 * "AI MdMemory Suite" 1. Plain C; host UI thread only. */
#ifndef QV_AIMATCHINGART_H
#define QV_AIMATCHINGART_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5
#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1

typedef struct AIMatchingArtSpec {
  int16_t type;      /* art type, or kAnyArt */
  int32_t whichAttr; /* attribute mask */
  int32_t attr;      /* attribute values under the mask */
} AIMatchingArtSpec;

#define kAnyArt (-1)

typedef struct AIMatchingArtSuite {
  /* *matches receives a handle of an array of *numMatches art handles, in paint order (outputs;
   * the handle is null when nothing matches). */
  AIErr (*GetMatchingArt)(const AIMatchingArtSpec* specs, int16_t numSpecs, AIArtHandle*** matches,
                          int32_t* numMatches);
} AIMatchingArtSuite;

typedef struct AIMdMemorySuite {
  /* Gives back a handle from the host. */
  AIErr (*MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
  /* *size receives the handle's size in bytes (output). */
  AIErr (*MdMemoryGetSize)(AIMdMemoryHandle handle, size_t* size);
} AIMdMemorySuite;

#ifdef __cplusplus
}
#endif

#endif
