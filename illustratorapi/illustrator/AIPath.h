/* AI Path Suite (version 8): the segments of a path and their selection. "AI Path Suite" 8.
 * Segment arrays are the caller's; the host copies them. Plain C; host UI thread only. */
#ifndef QV_AIPATH_H
#define QV_AIPATH_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8

/* Selection state of a segment (GetPathSegmentSelected). */
enum {
  kSegmentNotSelected = 0,
  kSegmentPointSelected = 1,
  kSegmentInSelected = 2,
  kSegmentOutSelected = 3,
  kSegmentInAndOutSelected = 4
};

typedef struct AIPathSuite {
  AIErr (*GetPathSegmentCount)(AIArtHandle path, int16_t* count);
  /* Copies `count` segments from index `segNumber` into segments (output). */
  AIErr (*GetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                           AIPathSegment* segments);
  /* Replaces `count` segments from index `segNumber`. */
  AIErr (*SetPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count,
                           const AIPathSegment* segments);
  /* *selected receives the selection state of one segment (kSegmentNotSelected...). */
  AIErr (*GetPathSegmentSelected)(AIArtHandle path, int16_t segNumber, int16_t* selected);
  AIErr (*GetPathClosed)(AIArtHandle path, AIBoolean* closed);
} AIPathSuite;

#ifdef __cplusplus
}
#endif

#endif
